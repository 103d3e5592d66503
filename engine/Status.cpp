#include "engine/Status.h"

#include "engine/App.h"

// The status text is composed once the status bar exists in the window.
void updateStatus(App&) {}
