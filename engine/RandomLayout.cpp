// The random heap of "RANDOM.TVL": towers of whole tiles on the 17 x 10
// whole-tile positions. 170 positions of five places hold the 144 tiles with
// room to spare, so the drawing always ends.
#include <cstdlib>

#include "engine/Layout.h"

void makeRandomLayout(LayoutMask& mask, unsigned seed) {
    std::srand(seed);
    int placed = 0;
    while (placed < tileCount) {
        const int column = 2 * (std::rand() % 17);
        const int row = 2 * (std::rand() % 10);
        for (int layer = 0; layer < layerCount; ++layer) {
            uint8_t& cell = mask[cellIndex(layer, row, column)];
            if (cell == 1) continue;
            cell = 1;
            ++placed;
            break;
        }
    }
}
