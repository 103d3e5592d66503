#include "view2d/VisibleSpans.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "files/Settings.h"
#include "view2d/BoardView.h"

namespace {

// Everything the spans depend on; selection, hint, hidden faces and colours
// only choose what the spans show, so they are not part of it.
std::vector<int32_t> boardOf(const Scene2D& scene) {
    const TileSet& set = scene.view.tileSet;
    const bool shadows = scene.settings.Shadows == 1;
    std::vector<int32_t> board = {scene.view.boardWidth, scene.view.boardHeight, set.tileWidth, set.tileHeight,
                                  set.edgeX, set.cellWidth, set.cellHeight, set.shadowWidth, set.shadowHeight,
                                  shadows};
    for (int tile = 0; tile < tileCount; ++tile) {
        if (!isDrawnTile(scene, tile)) continue;
        const TileRecord& t = scene.game.tiles[tile];
        int32_t flags = 0;
        for (uint8_t flag : scene.view.shadowFlags[tile]) flags = flags << 1 | (shadows && flag == 1);
        board.insert(board.end(), {tile, t.screenX, t.screenY, flags});
    }
    return board;
}

// Per pixel, the tile drawn last (high byte; noTile for the background) and
// the shadow pieces cast on it since (low byte).
using Owners = std::vector<uint16_t>;
constexpr uint16_t backgroundOwner = uint16_t(noTile << 8);

void castShadows(const Scene2D& scene, int tile, const TileBox& box, Owners& owners, int width, int height) {
    const TileSet& set = scene.view.tileSet;
    forEachShadowSpan(box, set.shadowWidth, set.shadowHeight, scene.view.shadowFlags[tile], [&](int y, int x0, int x1) {
        if (y < 0 || y >= height) return;
        uint16_t* row = owners.data() + size_t(y) * width;
        for (int x = std::max(x0, 0); x < std::min(x1, width); ++x)
            if ((row[x] & 0xFF) != 0xFF) ++row[x];
    });
}

void coverTile(int tile, const std::vector<TileRun>& runs, int left, int top, Owners& owners, int width,
               int height) {
    for (const TileRun& run : runs) {
        const int y = top + run.y;
        const int x0 = std::max(left + run.x0, 0), x1 = std::min(left + run.x1, width);
        if (y < 0 || y >= height || x0 >= x1) continue;
        uint16_t* row = owners.data() + size_t(y) * width;
        std::fill(row + x0, row + x1, uint16_t(tile << 8));
    }
}

// The tiles in drawing order, with what each would paint.
Owners findOwners(const Scene2D& scene, VisibleSpans& spans) {
    const int width = spans.width, height = spans.height;
    Owners owners(size_t(width) * height, backgroundOwner);
    const TileSet& set = scene.view.tileSet;
    const std::vector<TileRun> runs = tileImageRuns(set);
    for (int tile = 0; tile < tileCount; ++tile) {
        if (!isDrawnTile(scene, tile)) continue;
        const TileRecord& t = scene.game.tiles[tile];
        const TileBox box{t.screenX, t.screenY, set.tileWidth, set.tileHeight, std::abs(set.edgeX)};
        if (scene.settings.Shadows == 1) castShadows(scene, tile, box, owners, width, height);
        spans.imageLeft[tile] = box.x - box.edge;
        spans.imageTop[tile] = box.y;
        coverTile(tile, runs, spans.imageLeft[tile], spans.imageTop[tile], owners, width, height);
    }
    return owners;
}

#if defined(__SSE2__)
// A frame is written once and shown, not read back while it is composed:
// stores that bypass the cache spare the memory the reading of every line
// they fill. Darkening is a saturating subtraction of each byte (the zero
// top byte stays zero).
void writeDarkened(const uint32_t* from, uint32_t* to, int count, uint8_t amount) {
    const __m128i take = _mm_set1_epi8(char(amount));
    auto single = [&](int i) {
        const __m128i pixel = _mm_cvtsi32_si128(int(from[i]));
        _mm_stream_si32(reinterpret_cast<int*>(to + i), _mm_cvtsi128_si32(_mm_subs_epu8(pixel, take)));
    };
    int i = 0;
    for (; i < count && reinterpret_cast<uintptr_t>(to + i) % 16 != 0; ++i) single(i);
    for (; i + 4 <= count; i += 4) {
        const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i));
        _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), _mm_subs_epu8(pixels, take));
    }
    for (; i < count; ++i) single(i);
}
// Streamed stores are ordered with the ones that follow, such as the
// release of the frame lock, only after a fence.
void finishWriting() { _mm_sfence(); }
#else
void writeDarkened(const uint32_t* from, uint32_t* to, int count, uint8_t amount) {
    const uint8_t* in = reinterpret_cast<const uint8_t*>(from);
    uint8_t* out = reinterpret_cast<uint8_t*>(to);
    for (size_t i = 0; i < size_t(count) * 4; ++i) out[i] = in[i] > amount ? uint8_t(in[i] - amount) : 0;
}
void finishWriting() {}
#endif

// Darkening n times by a takes n x a off each channel, stopping at 0.
uint8_t shadowTotal(int pieces, uint8_t amount) { return uint8_t(std::min(pieces * amount, 255)); }

}  // namespace

void findVisibleSpans(const Scene2D& scene, VisibleSpans& spans) {
    std::vector<int32_t> board = boardOf(scene);
    if (board == spans.board) return;
    spans.width = scene.view.boardWidth;
    spans.height = scene.view.boardHeight;
    const Owners owners = findOwners(scene, spans);
    spans.spans.clear();
    spans.rowStarts.assign(1, 0);
    for (int y = 0; y < spans.height; ++y) {
        const uint16_t* row = owners.data() + size_t(y) * spans.width;
        for (int x = 0; x < spans.width;) {
            const uint16_t owner = row[x];
            while (x < spans.width && row[x] == owner) ++x;
            spans.spans.push_back({x, uint8_t(owner >> 8), uint8_t(owner & 0xFF)});
        }
        spans.rowStarts.push_back(uint32_t(spans.spans.size()));
    }
    spans.board = std::move(board);
}

void drawVisibleSpans(const VisibleSpans& spans, const FrameSources& sources, Surface& board) {
    for (int y = 0; y < spans.height; ++y) {
        uint32_t* row = rowOf(board, y);
        const uint32_t* background = rowOf(*sources.background, sources.background->height == 1 ? 0 : y);
        int x = 0;
        for (uint32_t i = spans.rowStarts[y]; i < spans.rowStarts[y + 1]; ++i) {
            const VisibleSpan& span = spans.spans[i];
            const uint32_t* from = background + x;
            if (span.tile != noTile) {
                const int left = spans.imageLeft[span.tile], top = spans.imageTop[span.tile];
                from = rowOf(*sources.images[span.tile], y - top) + (x - left);
            }
            writeDarkened(from, row + x, span.end - x, shadowTotal(span.shadows, sources.shadowAmount));
            x = span.end;
        }
    }
    finishWriting();
}
