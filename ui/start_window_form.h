// The start window's form: its template identifier, which ProgramMain loads.
#pragma once

#include "runtime/form.h"

constexpr FormId StartWindowId = 0x52010001;
