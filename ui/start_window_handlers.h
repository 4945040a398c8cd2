// The start window's event handlers, bound by name in its form.
#pragma once

void OnStartWindowCreated();
void OnLoadButtonClicked();
