// Window placement arithmetic.
#include "internal.h"

namespace runtime {

// C++ integer division truncates toward zero, which is the rule for screens narrower than the
// window: 379 wide gives 0, 300 wide gives -40.
toolkit::Point centred_origin(toolkit::Size screen, toolkit::Size window) {
    return {.x = (screen.width - window.width) / 2, .y = (screen.height - window.height) / 2};
}

}  // namespace runtime
