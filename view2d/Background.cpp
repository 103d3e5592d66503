#include "view2d/Background.h"

#include "view2d/Stretch.h"

void fitBackground(BackgroundImage& background, int width, int height) {
    if (!isEmpty(background.fitted) && background.fitted.width == width && background.fitted.height == height)
        return;
    stretchSurface(background.fileImage, width, height, background.fitted);
}
