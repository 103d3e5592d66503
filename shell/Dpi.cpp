#include "shell/Dpi.h"

#include <array>
#include <cstdlib>

#include "resources/resource.h"
#include "shell/GuiObjects.h"

namespace {

// Functions newer than some Windows versions the game runs on are looked up
// when first wanted, so the program still starts where they are missing.
template <typename Function>
Function user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    if (user32 == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using DpiForWindow = UINT(WINAPI*)(HWND);
using MetricsForDpi = int(WINAPI*)(int, UINT);
using ParametersForDpi = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

constexpr std::array<DrawnSize, 5> toolbarStrips = {{
    {16, IDB_TOOLBAR},
    {20, IDB_TOOLBAR20},
    {24, IDB_TOOLBAR24},
    {28, IDB_TOOLBAR28},
    {32, IDB_TOOLBAR32},
}};

constexpr int cursorBaseSize = 32;

int screenDpi() {
    HDC screen = counted(GuiKind::deviceContext, GetDC(nullptr));
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    releaseDC(nullptr, screen);
    return dpi > 0 ? dpi : baseDpi;
}

}  // namespace

int windowDpi(HWND window) {
    static const DpiForWindow dpiForWindow = user32Function<DpiForWindow>("GetDpiForWindow");
    if (dpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = dpiForWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    return screenDpi();
}

int scaledPixels(int pixels, int dpi) { return MulDiv(pixels, dpi, baseDpi); }

int metricForDpi(int index, int dpi) {
    static const MetricsForDpi metricsForDpi = user32Function<MetricsForDpi>("GetSystemMetricsForDpi");
    if (metricsForDpi != nullptr) return metricsForDpi(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);
}

bool statusFontForDpi(int dpi, LOGFONTW& font) {
    static const ParametersForDpi parametersForDpi =
        user32Function<ParametersForDpi>("SystemParametersInfoForDpi");
    if (parametersForDpi == nullptr) return false;
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, static_cast<UINT>(dpi)))
        return false;
    font = metrics.lfStatusFont;
    return true;
}

DrawnSize toolbarStripFor(int wanted) {
    DrawnSize nearest = toolbarStrips.front();
    for (const DrawnSize& strip : toolbarStrips)
        if (std::abs(strip.pixels - wanted) < std::abs(nearest.pixels - wanted)) nearest = strip;
    return nearest;
}

DrawnSize toolbarStripForDpi(int dpi) { return toolbarStripFor(scaledPixels(toolbarStrips.front().pixels, dpi)); }

int cursorSizeForDpi(int dpi) { return scaledPixels(cursorBaseSize, dpi); }
