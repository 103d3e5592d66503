#include "game/WindowTitle.h"

#include <cctype>

#include "files/Caption.h"
#include "game/App.h"

void showFileInTitle(App& app, const std::string& fileName) {
    std::string shown = fileName;
    for (char& c : shown) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!shown.empty()) shown[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(shown[0])));
    app.host.setTitle(std::string(productCaption) + " - " + shown);
}
