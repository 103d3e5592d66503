// Any bytes read as a settings file: no crash, and what the program writes
// from the result reads back to the same bytes, as long as every line fits
// one reading piece (a name can be longer than that).
#include <cstdlib>
#include <string>

#include "files/SettingsFile.h"
#include "files/SettingsText.h"

namespace {

bool everyLineFits(const std::vector<uint8_t>& text) {
    size_t lineStart = 0;
    for (size_t at = 0; at <= text.size(); ++at) {
        if (at < text.size() && text[at] != '\n') continue;
        if (at - lineStart > settingsPieceLength) return false;
        lineStart = at + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ScreenMetrics screen{1288, 1062, 4, 4, 20};
    Settings settings = defaultSettings(screen);
    parseSettingsText(std::vector<uint8_t>(data, data + size), settings);
    const std::vector<uint8_t> written = formatSettingsText(settings, screen);
    Settings again = defaultSettings(screen);
    if (!windowOnScreen(settings, screen)) {
        // Such a window is left out of the file; the defaults stand for it.
        again.WindowXPos = settings.WindowXPos;
        again.WindowYPos = settings.WindowYPos;
        again.WindowXSize = settings.WindowXSize;
        again.WindowYSize = settings.WindowYSize;
    }
    parseSettingsText(written, again);
    if (everyLineFits(written) && formatSettingsText(again, screen) != written) std::abort();
    return 0;
}
