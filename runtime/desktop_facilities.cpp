// The message box facility and the URL opener, as the program sees them: defaults resolved here,
// the box and the opener themselves left to the toolkit.
#include "internal.h"

namespace runtime {
namespace {

NativeWindow OwnerWindow(FormId owner) {
    if (owner == 0) return nullptr;
    for (const OpenWindow& window : state().windows) {
        if (IsOpen(window) && window.form->source->id == owner) return window.native;
    }
    return nullptr;
}

}  // namespace
}  // namespace runtime

MessageAnswer ShowMessageBox(GbkText text, MessageButtons buttons, GbkText title, FormId owner) {
    return toolkit::ShowMessageBox(text, buttons, title != nullptr ? title : DefaultMessageBoxTitle,
                                   runtime::OwnerWindow(owner));
}

bool OpenUrl(const char* address) { return toolkit::OpenUrl(address); }
