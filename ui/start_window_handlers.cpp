// The start window's event handlers.
#include "start_window_handlers.h"

// Runs once per load while the window exists but is still hidden; the program needs nothing
// done there.
void OnStartWindowCreated() {}

void OnLoadButtonClicked() {}
