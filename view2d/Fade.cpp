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
    const int64_t took = scene.host.microseconds() - start;
    scene.view.plainFrameMicroseconds = took;
    return took;
}

namespace {

// Against the plain frame drawn before it; nothing is learnt from a plain
// frame too fast to measure.
void noteFadeFrameShare(BoardView& view, int64_t fadeFrameMicroseconds) {
    const int64_t plain = view.plainFrameMicroseconds;
    if (plain > 0) view.fadeFrameShare = std::max<int64_t>(fadeFrameMicroseconds * 1000 / plain, 1);
}

}  // namespace

int64_t fadeFrameTime(const BoardView& view, int64_t plainFrameMicroseconds) {
    const int64_t share = view.fadeFrameShare;
    return share > 0 ? plainFrameMicroseconds * share / 1000 : plainFrameMicroseconds;
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
    int64_t drawing = 0;
    int drawn = 0;
    for (int k = 1; k <= frames; ++k) {
        const int64_t before = scene.host.microseconds();
        redraw2D(scene, a, b, int16_t(k * step), int16_t((frames - k + 1) * step));
        const int64_t after = scene.host.microseconds();
        drawing += after - before;
        ++drawn;
        // Frame k is due to leave the screen at its share of the whole
        // duration; when behind, the frames whose time has passed are left out.
        const int64_t elapsed = after - start;
        const int64_t ahead = duration * k / frames - elapsed;
        if (!wait(ahead >= 1000 ? int(ahead / 1000) : 0)) break;
        if (ahead < 1000) k = std::max<int64_t>(k, elapsed * frames / duration);
    }
    dropFadeBase(scene.view);
    noteFadeFrameShare(scene.view, drawing / drawn);
}

void playRemovalFade(const Scene2D& scene, int a, int b) {
    playFade(scene, a, b, scene.view.fadeSteps, scene.settings.RemoveTileTime, sleepBetweenFrames(scene.host));
}

void playAutoPlayFade(const Scene2D& scene, int a, int b, const FadeWait& wait) {
    const int64_t frame = timedRedraw2D(scene);
    const int32_t duration = scene.settings.AutoPlaySleep;
    playFade(scene, a, b, fadeFrameCount(duration, fadeFrameTime(scene.view, frame)), duration, wait);
}
