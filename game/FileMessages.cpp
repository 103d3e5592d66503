#include "game/FileMessages.h"

#include "engine/Caption.h"
#include "game/App.h"

void reportFileFailure(App& app, const std::string& fileName, const std::string& text) {
    app.host.showMessage(fileName + " : " + text, productCaption, MessageIcon::exclamation);
}
