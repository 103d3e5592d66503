#include "game/Redraw.h"

#include "game/App.h"
#include "game/Status.h"
#include "game/View3DGame.h"

void redrawBoard(App& app) {
#if TAVREK_3D
    if (drawsIn3D(app))
        redrawMeasured3D(app);
    else
#endif
        redrawMeasured2D(scene2D(app));
    updateStatus(app);
}
