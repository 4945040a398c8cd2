// The start window's event handlers.
#include "start_window_handlers.h"

#include "order_site.h"
#include "runtime/runtime.h"

// Runs once per load while the window exists but is still hidden; the program needs nothing
// done there.
void OnStartWindowCreated() {}

// Shows the order notice, then sends the user to the ordering site however the notice was
// closed. Neither result matters: a notice that cannot be shown or a desktop without a browser
// leaves the window as it was, ready for the next click.
void OnLoadButtonClicked() {
    ShowMessageBox(OrderNoticeText, MessageButtons::Ok);
    OpenUrl(OrderSiteUrl);
}
