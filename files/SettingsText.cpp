#include "files/SettingsText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "files/Caption.h"
#include "files/DataDirectories.h"
#include "files/SettingsKeys.h"
#include "files/TextEncoding.h"
#include "files/TextLines.h"

namespace {

constexpr size_t colourWordLength = 9;

std::vector<SettingKey> allSettingKeys(Settings& settings) {
    std::vector<SettingKey> keys = generalSettingKeys(settings);
#if TAVREK_3D
    const std::vector<SettingKey> keys3D = settingKeys3D(settings);
    keys.insert(keys.end(), keys3D.begin(), keys3D.end());
#endif
    return keys;
}

// A colour channel: the leading number of at most nine characters, 0 when
// there is none, cut to 8 bits.
uint8_t channel(const std::string& word) {
    int64_t value = 0;
    return readLeadingInteger(word.substr(0, colourWordLength), value) ? static_cast<uint8_t>(value) : 0;
}

// Non-finite values are refused: the 3D view compares and divides by them.
bool readReal(const std::string& word, float& real) {
    char* end = nullptr;
    const float value = std::strtof(word.c_str(), &end);
    if (end == word.c_str() || !std::isfinite(value)) return false;
    real = value;
    return true;
}

// Stores one line's value into the key's field; a line that does not parse
// leaves the field as it was.
struct ValueReader {
    const SettingKey& key;
    const std::string& line;
    const std::vector<std::string>& words;

    void operator()(std::string* name) const {
        if (key.kind == SettingKind::nameOrNone) {
            if (words.size() < 3) return;
            if (words[2] == "none") {
                name->clear();
                return;
            }
        }
        std::string text;
        if (quotedText(line, text)) *name = upperCase(text);
    }
    void operator()(Colour* colour) const {
        if (words.size() >= 5) *colour = makeColour(channel(words[2]), channel(words[3]), channel(words[4]));
    }
    void operator()(float* real) const {
        if (words.size() >= 3) readReal(words[2], *real);
    }
    template <typename Integer>
    void operator()(Integer* number) const {
        if (words.size() < 3) return;
        int64_t value = 0;
        if (key.kind == SettingKind::selectMode) {
            if (words[2] == "DARKER" || words[2] == "INVERT") *number = static_cast<Integer>(words[2] == "DARKER" ? 1 : 0);
        } else if (readLeadingInteger(words[2], value)) {
            *number = static_cast<Integer>(value);
        }
    }
};

struct ValueWriter {
    const SettingKey& key;

    std::string operator()(std::string* name) const {
        return key.kind == SettingKind::nameOrNone && name->empty() ? "none" : "\"" + *name + "\"";
    }
    std::string operator()(Colour* colour) const {
        return std::to_string(redOf(*colour)) + " " + std::to_string(greenOf(*colour)) + " " +
               std::to_string(blueOf(*colour));
    }
    std::string operator()(float* real) const { return std::to_string(static_cast<double>(*real)); }
    template <typename Integer>
    std::string operator()(Integer* number) const {
        if (key.kind == SettingKind::selectMode) return *number == 1 ? "DARKER" : "INVERT";
        return std::to_string(static_cast<int64_t>(*number));
    }
};

bool isWritten(const SettingKey& key, const Settings& settings, const ScreenMetrics& screen) {
    switch (key.written) {
        case SettingWritten::windowOnScreen: return windowOnScreen(settings, screen);
        case SettingWritten::whenOn: return *std::get<uint8_t*>(key.field) == 1;
        default: return true;
    }
}

void writeKeys(std::string& text, const std::vector<SettingKey>& keys, size_t keyWidth, const Settings& settings,
               const ScreenMetrics& screen) {
    for (const SettingKey& key : keys) {
        if (!isWritten(key, settings, screen)) continue;
        std::string padded = key.key;
        padded.resize(std::max(padded.size(), keyWidth), ' ');
        text += "\r\n" + padded + "= " + std::visit(ValueWriter{key}, key.field);
    }
}

}  // namespace

void parseSettingsText(const std::vector<uint8_t>& bytes, Settings& settings) {
    const std::vector<SettingKey> keys = allSettingKeys(settings);
    for (const std::string& line : linePieces(bytesAsText(bytes), settingsPieceLength)) {
        if (isSkippedLine(line)) continue;
        const std::vector<std::string> words = wordsOf(line);
        if (words.empty()) continue;
        const auto key = std::find_if(keys.begin(), keys.end(),
                                      [&words](const SettingKey& candidate) { return words[0] == candidate.key; });
        if (key != keys.end()) std::visit(ValueReader{*key, line, words}, key->field);
    }
}

std::vector<uint8_t> formatSettingsText(const Settings& settings, const ScreenMetrics& screen) {
    Settings fields = settings;
    std::string text = std::string("; ") + productCaption + " INI File, do not edit\r\n";
    writeKeys(text, generalSettingKeys(fields), 16, fields, screen);
#if TAVREK_3D
    text += "\r\n\r\n; 3D values";
    writeKeys(text, settingKeys3D(fields), 17, fields, screen);
#endif
    return std::vector<uint8_t>(text.begin(), text.end());
}

bool windowOnScreen(const Settings& settings, const ScreenMetrics& screen) {
    return settings.WindowXPos >= 0 && settings.WindowXPos <= screen.maximizedWidth && settings.WindowYPos >= 0 &&
           settings.WindowYPos <= screen.maximizedHeight && settings.WindowXSize <= screen.maximizedWidth &&
           settings.WindowYSize <= screen.maximizedHeight;
}
