#include "game/Redraw.h"

#include "game/App.h"
#include "game/Status.h"

void redrawBoard(App& app) {
    redrawMeasured2D(scene2D(app));
    updateStatus(app);
}
