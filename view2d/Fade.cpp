#include "view2d/Fade.h"

#include <algorithm>

#include "engine/App.h"

int fadeFrameCount(int32_t durationMs, int64_t frameMicroseconds) {
    const int64_t duration = int64_t(durationMs) * 1000;
    if (duration <= 0 || frameMicroseconds > duration) return 0;
    const int64_t frames = duration / std::max(frameMicroseconds, shortestFrameMicroseconds);
    return int(std::min<int64_t>(frames, mostFadeFrames));
}

int64_t timedRedraw2D(App& app) {
    const int64_t start = app.host.microseconds();
    redraw2D(app, noTile, noTile, 0, 0);
    return app.host.microseconds() - start;
}

void playFade(App& app, int a, int b, int frames, int32_t durationMs) {
    if (frames <= 0 || durationMs <= 0) return;
    frames = std::min(frames, mostFadeFrames);
    const int step = 100 / (frames + 1);
    const int64_t duration = int64_t(durationMs) * 1000;
    keepFadeBase(app, a, b);
    const int64_t start = app.host.microseconds();
    for (int k = 1; k <= frames; ++k) {
        redraw2D(app, a, b, int16_t(k * step), int16_t((frames - k + 1) * step));
        // Frame k is due to leave the screen at its share of the whole
        // duration; when behind, the frames whose time has passed are left out.
        const int64_t elapsed = app.host.microseconds() - start;
        const int64_t ahead = duration * k / frames - elapsed;
        if (ahead >= 1000) app.host.sleepMilliseconds(int(ahead / 1000));
        else k = std::max<int64_t>(k, elapsed * frames / duration);
    }
    dropFadeBase(app);
}

void playRemovalFade(App& app, int a, int b) {
    playFade(app, a, b, app.view.fadeSteps, app.settings.RemoveTileTime);
}

void playAutoPlayFade(App& app, int a, int b) {
    const int64_t frame = timedRedraw2D(app);
    const int32_t duration = app.settings.AutoPlaySleep;
    playFade(app, a, b, fadeFrameCount(duration, frame), duration);
}
