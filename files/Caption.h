#pragma once

#include "Version.h"

// Product name and version: the caption of every message box, the window
// class name and the start of the main window's title.
constexpr const char* productCaption = TAVREK_CAPTION;
