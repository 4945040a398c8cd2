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

enum class MessageButtons : std::uint8_t { Ok = 0 };

// Which button closed a message box; None when the box could not be shown.
enum class MessageAnswer : std::uint8_t { None, Ok };

// The default title of a message box: "信息：".
constexpr GbkText DefaultMessageBoxTitle = "\xD0\xC5\xCF\xA2\xA3\xBA";

// Shows a message box and waits until it is closed. With no title it has the default title; with
// no owner (0) the box has none and is modal for the whole thread, otherwise `owner` is the
// template identifier of an open window.
MessageAnswer ShowMessageBox(GbkText text, MessageButtons buttons, GbkText title = nullptr,
                             FormId owner = 0);

// Hands an address to the desktop's URL opener; false when the desktop refused it.
bool OpenUrl(const char* address);

// The program's entry routine, called once by the runtime on the UI thread.
std::int32_t ProgramMain();
