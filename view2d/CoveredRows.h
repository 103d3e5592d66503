// Which pixels of each board row are already taken by something in front:
// one bit per pixel, so that a frame composed from the front writes every
// pixel once.
#pragma once

#include <cstdint>
#include <vector>

// Pixels x0 <= x < x1 of row y.
struct RowSpan {
    int y;
    int x0;
    int x1;
};

struct CoveredRows {
    int width = 0;
    int wordsPerRow = 0;
    std::vector<uint64_t> bits;
};

// Nothing covered, for a board of width x height.
void clearCoveredRows(CoveredRows& rows, int width, int height);

// Marks pixels x0 <= x < x1 of row y covered; the span must lie on the board.
void coverSpan(CoveredRows& rows, int y, int x0, int x1);

// The first x in [x, end) whose covered state is `covered`, or end.
int nextInState(const CoveredRows& rows, int y, int x, int end, bool covered);

// Calls visit(a, b) for each longest uncovered run a <= x < b within
// [x0, x1) of row y, left to right; the span must lie on the board.
template <typename Visit>
void forEachUncovered(const CoveredRows& rows, int y, int x0, int x1, Visit visit) {
    for (int a = nextInState(rows, y, x0, x1, false); a < x1;) {
        const int b = nextInState(rows, y, a, x1, true);
        visit(a, b);
        a = nextInState(rows, y, b, x1, false);
    }
}
