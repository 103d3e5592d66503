#include "ToolArguments.h"

#include <cstdio>

#include "view2d/Bitmap.h"

namespace {

bool takeValue(const CommandWords& words, size_t& i, std::string& value) {
    if (i + 1 >= words.size()) return false;
    value = words[++i];
    return !value.empty();
}

}  // namespace

bool parseArguments(const CommandWords& words, ToolArguments& arguments) {
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "--grid")
            arguments.grid = true;
        else if (word == "--games") {
            if (!takeValue(words, i, arguments.games)) return false;
        } else if (word == "--to") {
            if (!takeValue(words, i, arguments.to)) return false;
        } else if (word.size() > 1 && word[0] == '-')
            return false;
        else
            arguments.files.push_back(word);
    }
    return true;
}

bool parseCount(const std::string& text, int& count) {
    if (text.empty() || text.size() > 7) return false;
    count = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        count = count * 10 + (c - '0');
    }
    return count >= 1 && count <= 1000000;
}

bool parseSize(const std::string& text, int& width, int& height) {
    const size_t cross = text.find('x');
    if (cross == std::string::npos) return false;
    const std::string w = text.substr(0, cross), h = text.substr(cross + 1);
    return parseCount(w, width) && parseCount(h, height) && width <= maxBitmapSide && height <= maxBitmapSide;
}

int wrongArguments(const char* usage) {
    std::fprintf(stderr, "usage: tavrek-layout %s\n", usage);
    return 2;
}
