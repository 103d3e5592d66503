#include "view2d/Stretch.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int weightOne = 1 << 14;

// For each target pixel along one axis: the source pixels it draws on and
// their weights, which add up to weightOne.
struct AxisTaps {
    std::vector<int> first;   // first source index of each target pixel
    std::vector<int> count;   // number of source pixels it uses
    std::vector<int> weights; // `count` weights per target pixel, in order
    std::vector<int> start;   // where a target pixel's weights begin
};

void addTap(AxisTaps& taps, int firstSource, const std::vector<int>& weights) {
    taps.first.push_back(firstSource);
    taps.count.push_back(int(weights.size()));
    taps.start.push_back(int(taps.weights.size()));
    taps.weights.insert(taps.weights.end(), weights.begin(), weights.end());
}

// Target pixel i covers source positions [i * s, (i + 1) * s) / t; each
// source pixel weighs as much of that as it covers.
void averageTaps(int s, int t, AxisTaps& taps) {
    for (int i = 0; i < t; ++i) {
        const long long from = 1LL * i * s, to = 1LL * (i + 1) * s;
        const int j0 = int(from / t), j1 = int((to + t - 1) / t);
        std::vector<int> weights;
        int sum = 0;
        for (int j = j0; j < j1; ++j) {
            const long long overlap = std::min(to, 1LL * (j + 1) * t) - std::max(from, 1LL * j * t);
            weights.push_back(int(overlap * weightOne / s));
            sum += weights.back();
        }
        *std::max_element(weights.begin(), weights.end()) += weightOne - sum;
        addTap(taps, j0, weights);
    }
}

// Target pixel centres mapped onto the source, between two source pixels.
void interpolateTaps(int s, int t, AxisTaps& taps) {
    for (int i = 0; i < t; ++i) {
        const long long position = 1LL * (2 * i + 1) * s - t;  // in units of 1 / (2t)
        int j = 0, fraction = 0;
        if (position > 0) {
            j = int(position / (2LL * t));
            fraction = int(position % (2LL * t) * weightOne / (2LL * t));
        }
        if (j >= s - 1) addTap(taps, s - 1, {weightOne});
        else addTap(taps, j, {weightOne - fraction, fraction});
    }
}

AxisTaps makeTaps(int s, int t) {
    AxisTaps taps;
    if (t < s) averageTaps(s, t, taps);
    else interpolateTaps(s, t, taps);
    return taps;
}

// The passes work on colour channels laid out as bytes, three a pixel (blue,
// green, red), so that the inner loops multiply and add plain numbers.
using Channels = std::vector<uint8_t>;

void unpackRow(const uint32_t* row, int width, uint8_t* channels) {
    for (int x = 0; x < width; ++x)
        for (int c = 0; c < 3; ++c) channels[3 * x + c] = uint8_t(row[x] >> (8 * c));
}

uint8_t roundedChannel(int sum) { return uint8_t((sum + weightOne / 2) / weightOne); }

void stretchRow(const uint8_t* source, const AxisTaps& taps, uint8_t* target, int width) {
    for (int x = 0; x < width; ++x) {
        int sums[3] = {0, 0, 0};
        const int* w = taps.weights.data() + taps.start[x];
        const uint8_t* from = source + 3 * size_t(taps.first[x]);
        for (int k = 0; k < taps.count[x]; ++k)
            for (int c = 0; c < 3; ++c) sums[c] += from[3 * k + c] * w[k];
        for (int c = 0; c < 3; ++c) target[3 * x + c] = roundedChannel(sums[c]);
    }
}

// Whole rows at a time, so the rows stretched across are read in memory order.
void stretchColumns(const Channels& wide, int width, const AxisTaps& taps, Surface& target) {
    const size_t rowLength = 3 * size_t(width);
    std::vector<int> sums(rowLength);
    for (int y = 0; y < target.height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        const int* w = taps.weights.data() + taps.start[y];
        for (int k = 0; k < taps.count[y]; ++k) {
            const uint8_t* row = wide.data() + rowLength * size_t(taps.first[y] + k);
            for (size_t i = 0; i < rowLength; ++i) sums[i] += row[i] * w[k];
        }
        uint32_t* out = rowOf(target, y);
        for (int x = 0; x < width; ++x)
            out[x] = uint32_t(roundedChannel(sums[3 * size_t(x)])) |
                     uint32_t(roundedChannel(sums[3 * size_t(x) + 1])) << 8 |
                     uint32_t(roundedChannel(sums[3 * size_t(x) + 2])) << 16;
    }
}

}  // namespace

void stretchSurface(const Surface& source, int width, int height, Surface& target) {
    if (isEmpty(source) || width <= 0 || height <= 0) {
        releaseSurface(target);
        return;
    }
    const AxisTaps across = makeTaps(source.width, width);
    const AxisTaps down = makeTaps(source.height, height);
    Channels sourceRow(3 * size_t(source.width));
    Channels wide(3 * size_t(width) * source.height);
    for (int y = 0; y < source.height; ++y) {
        unpackRow(rowOf(source, y), source.width, sourceRow.data());
        stretchRow(sourceRow.data(), across, wide.data() + 3 * size_t(width) * y, width);
    }
    // The result is built aside, so a surface may be stretched onto itself.
    Surface result;
    resizeSurface(result, width, height);
    stretchColumns(wide, width, down, result);
    target = std::move(result);
}
