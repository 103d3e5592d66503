#include "view3d/View3D.h"

void claimContext(View3D& view) { view.contextThread = std::this_thread::get_id(); }

bool ownsContext(const View3D& view) { return view.contextThread == std::this_thread::get_id(); }

bool onContextThread(View3D& view) {
    if (ownsContext(view)) return true;
    ++view.strayCalls;
    return false;
}
