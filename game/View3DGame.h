// The 3D view in the game: its context coming and going, the camera
// following the window and the player's keys, frames drawn and shown,
// clicks found by picking, and the switch between the two views.
#pragma once

#if TAVREK_3D

#include "view3d/View3D.h"

struct App;

Scene3D scene3D(App& app);

// The window's OpenGL context has just been made current on this thread,
// which alone draws from now on: the fixed render state, the camera for the
// client area, and the face textures of the tile set already read.
void open3DView(App& app, int clientWidth, int clientHeight);
// No context could be made current: the player is told once, and the game
// goes on in the 2D view, which is then the only one.
void without3DView(App& app);
// The textures go before the context does.
void close3DView(App& app);

// An OpenGL context is there: the 3D view can be drawn and chosen.
bool can3D(const App& app);
// Frames are drawn in 3D while that view is chosen and can be drawn.
bool drawsIn3D(const App& app);
// GO2D / GO3D: false when the 3D view cannot be drawn and nothing changed.
bool switchView(App& app);

// A new client area: the viewport follows it (after the 2D board's resize).
void resize3DView(App& app, int clientWidth, int clientHeight);
// The camera keys and the wheel have changed the settings: the eye follows
// a pan or zoom, and the angles are kept whole and within one turn.
void cameraMoved(App& app, bool projectionChanged);
// The 3D colours dialog closed: the clear colour and the light again.
void recolour3DView(App& app);
// A tile set has been read: the face textures are cut from it anew.
void rebuildFaceTextures(App& app);

// Draws and shows one frame, and measures from it how many frames a removal
// fade would have (none are drawn in 3D, but the 2D view inherits the count).
// Off the context's thread (the automatic player's restart) it only asks the
// window thread to repaint; while frames are held it draws nothing.
void redrawMeasured3D(App& app);
// A left click at client coordinates: stops a demonstration, hides the hint,
// plays the picked tile like a 2D click and shows the result. The 3D view,
// like the 2D board, lies below the toolbar.
void clickBoard3D(App& app, int x, int y);

#endif
