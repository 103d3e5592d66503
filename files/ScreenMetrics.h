// Screen measures in pixels (the platform's system metrics): the size of a
// maximized window, the thickness of a sizing frame and the menu-bar height.
// The settings take their first-run window size and menu pages from them.
#pragma once

struct ScreenMetrics {
    int maximizedWidth = 0;
    int maximizedHeight = 0;
    int frameWidth = 0;
    int frameHeight = 0;
    int menuBarHeight = 0;
};
