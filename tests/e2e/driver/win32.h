// The Windows headers as every file of the driver includes them: wide API, no min/max macros.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
