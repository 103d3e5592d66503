#include "view3d/Camera.h"

#include "files/Settings.h"
#include "view3d/GL.h"

void setRenderState(const Settings& settings) {
    glEnable(GL_DEPTH_TEST);
    // The picture is drawn upside down, which turns every face's winding.
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glDepthFunc(GL_LEQUAL);

    const GLfloat ambient[] = {0.3f, 0.3f, 0.3f, 1.0f};
    const GLfloat diffuse[] = {0.7f, 0.7f, 0.7f, 1.0f};
    const GLfloat position[] = {settings.lightPosX, settings.lightPosY, settings.lightPosZ, 1.0f};
    glEnable(GL_LIGHTING);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_LIGHT0);

    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);

    const Colour background = settings.BackgroundColor;
    glClearColor(redOf(background) / 256.0f, greenOf(background) / 256.0f, blueOf(background) / 256.0f, 0.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

double farPlane3D(const Settings& settings) {
    const double justBeyond = nearPlane3D + 0.001;
    return settings.MaxZoom > justBeyond ? double(settings.MaxZoom) : justBeyond;
}

void applyPerspective(const View3D& view, const Settings& settings) {
    glScalef(1, -1, 1);
    gluPerspective(fieldOfView3D, view.aspect, nearPlane3D, farPlane3D(settings));
}

void setCamera(View3D& view, const Settings& settings, int width, int height) {
    if (!onContextThread(view)) return;
    if (width >= 0 && height >= 0) {
        if (height == 0) height = 1;
        glViewport(0, 0, width, height);
        view.aspect = float(width) / float(height);
    }
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    applyPerspective(view, settings);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(settings.XView, settings.YView, settings.ZView, settings.XView, settings.YView, 0, 0, 1, 0);
}
