#pragma once

// Product name and version: the caption of every message box, the window
// class name and the start of the main window's title.
constexpr const char* productCaption = "Tavrek v3.2";
