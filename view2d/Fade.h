// Pacing of the fades that remove a pair: about the configured time on any
// machine, at no more than about 60 frames a second.
#pragma once

#include <cstdint>
#include <functional>

struct BoardView;
struct Host;
struct Scene2D;

constexpr int64_t shortestFrameMicroseconds = 1000000 / 60;
// The weights step by 100 / (frames + 1), which must stay at least 1.
constexpr int mostFadeFrames = 99;

// How many fade frames fit into `durationMs` when one frame takes
// `frameMicroseconds` to compose: none when the duration is not positive or
// a single frame takes longer than the whole fade.
int fadeFrameCount(int32_t durationMs, int64_t frameMicroseconds);

// Composes and shows a plain frame; returns how long that took.
int64_t timedRedraw2D(const Scene2D& scene);
// What a fade frame costs when a plain frame takes `plainFrameMicroseconds`:
// in the share the last fade in this board area measured, or, before any,
// as much.
int64_t fadeFrameTime(const BoardView& view, int64_t plainFrameMicroseconds);

// Runs after every fade frame with the time until the next one is due (0
// when behind); returns false to end the fade there.
using FadeWait = std::function<bool(int milliseconds)>;
// The wait of a caller that owns the view and the model alone: a sleep.
FadeWait sleepBetweenFrames(Host& host);

// Fades tiles a and b out over `frames` frames spread evenly across
// `durationMs`, waiting between frames, and notes what a frame cost.
void playFade(const Scene2D& scene, int a, int b, int frames, int32_t durationMs, const FadeWait& wait);

// The fade of a pair the player removes: fadeSteps frames over RemoveTileTime.
void playRemovalFade(const Scene2D& scene, int a, int b);
// The automatic player's move: one plain frame showing the pair selected,
// then the fade over AutoPlaySleep with as many frames as fit.
void playAutoPlayFade(const Scene2D& scene, int a, int b, const FadeWait& wait);
