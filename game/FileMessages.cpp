#include "game/FileMessages.h"

#include "game/App.h"
#include "game/Modal.h"

void reportFileFailure(App& app, const std::string& fileName, const std::string& text) {
    tellPlayer(app, fileName + " : " + text, MessageIcon::exclamation);
}
