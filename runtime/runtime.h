// The runtime's public operations: what a program calls to read its form, load windows, run the
// message loop and end in order. Every operation runs on the UI thread.
#pragma once

#include <cstdint>

#include "form.h"

using EndRoutine = void (*)();

// Reads ProgramForm into window templates and binds its events. Succeeds or ends the process.
void InitRuntime();

// Appends a routine to the end-routine list unless the list already holds it.
void RegisterEndRoutine(EndRoutine routine);

// Builds, announces and shows the window of the template with this identifier, with no parent
// and not modal. Succeeds or ends the process.
void LoadWindow(FormId template_id);

// Runs the message loop until the quit message; returns at once when no window is open.
void RunMessageLoop();

// The orderly end: releases the templates, runs the end routines once each in registration
// order, then releases the runtime's own resources. Safe to reach twice.
void EndProgram(std::int32_t exit_code);

// The program's entry routine, called once by the runtime on the UI thread.
std::int32_t ProgramMain();
