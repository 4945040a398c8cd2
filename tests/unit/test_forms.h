// Small forms that exercise what the program's own form does not: default buttons, access keys,
// disabled and hidden units, tab orders, and handlers that record when they ran.
#pragma once

#include <string>
#include <vector>

#include "runtime/form.h"

namespace test_forms {

constexpr FormId KeyWindow = 0x100;         // access keys, default buttons, tab order
constexpr FormId LifecycleWindow = 0x200;   // records its load events; one hidden button
constexpr FormId EnterMovesWindow = 0x300;  // Enter moves focus, no default button
constexpr FormId SelfClosingWindow = 0x400;  // its creation-complete handler closes it

// Unit indices of KeyWindow, in form order.
enum KeyUnit { Save = 1, Cancel, Print, Hide, Quiet, Invisible, SecondDefault };

extern const FormDescription Form;

// What the handlers saw, in order: "save", "created (hidden)", "moved" ...
std::vector<std::string>& seen();

}  // namespace test_forms
