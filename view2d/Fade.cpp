#include "view2d/Fade.h"

#include <algorithm>

#include "files/Settings.h"
#include "host/Host.h"
#include "view2d/BoardView.h"

int fadeFrameCount(int32_t durationMs, int64_t frameMicroseconds) {
    const int64_t duration = int64_t(durationMs) * 1000;
    if (duration <= 0 || frameMicroseconds > duration) return 0;
    const int64_t frames = duration / std::max(frameMicroseconds, shortestFrameMicroseconds);
    return int(std::min<int64_t>(frames, mostFadeFrames));
}

int64_t timedRedraw2D(const Scene2D& scene) {
    const int64_t start = scene.host.microseconds();
    redraw2D(scene, noTile, noTile, 0, 0);
    return scene.host.microseconds() - start;
}

FadeWait sleepBetweenFrames(Host& host) {
    return [&host](int milliseconds) {
        if (milliseconds > 0) host.sleepMilliseconds(milliseconds);
        return true;
    };
}

void playFade(const Scene2D& scene, int a, int b, int frames, int32_t durationMs, const FadeWait& wait) {
    if (frames <= 0 || durationMs <= 0) return;
    frames = std::min(frames, mostFadeFrames);
    const int step = 100 / (frames + 1);
    const int64_t duration = int64_t(durationMs) * 1000;
    keepFadeBase(scene, a, b);
    const int64_t start = scene.host.microseconds();
    for (int k = 1; k <= frames; ++k) {
        redraw2D(scene, a, b, int16_t(k * step), int16_t((frames - k + 1) * step));
        // Frame k is due to leave the screen at its share of the whole
        // duration; when behind, the frames whose time has passed are left out.
        const int64_t elapsed = scene.host.microseconds() - start;
        const int64_t ahead = duration * k / frames - elapsed;
        if (!wait(ahead >= 1000 ? int(ahead / 1000) : 0)) break;
        if (ahead < 1000) k = std::max<int64_t>(k, elapsed * frames / duration);
    }
    dropFadeBase(scene.view);
}

void playRemovalFade(const Scene2D& scene, int a, int b) {
    playFade(scene, a, b, scene.view.fadeSteps, scene.settings.RemoveTileTime, sleepBetweenFrames(scene.host));
}

void playAutoPlayFade(const Scene2D& scene, int a, int b, const FadeWait& wait) {
    const int64_t frame = timedRedraw2D(scene);
    const int32_t duration = scene.settings.AutoPlaySleep;
    playFade(scene, a, b, fadeFrameCount(duration, frame), duration, wait);
}
