#include "game/FileMessages.h"

#include "engine/App.h"
#include "engine/Caption.h"

void reportFileFailure(App& app, const std::string& fileName, const std::string& text) {
    app.host.showMessage(fileName + " : " + text, productCaption, MessageIcon::exclamation);
}
