#include <gtest/gtest.h>

#include <algorithm>

#include "BoardBuilder.h"
#include "RecordingHost.h"
#include "game/App.h"
#include "game/DealGame.h"
#include "tools/layout/Replay.h"

// The layout tool's replay judges a removal order as the game would: on a
// floor where three tiles overlap in a row, a removed tile hands the cells it
// shared to the tile still lying there, so the middle one can still be freed.
TEST(Replay, EveryDealPlaysBackAlsoWhereTilesOverlap) {
    RecordingHost host;
    App app{host};
    std::vector<Corner> corners = twoLayerLayout();
    corners.resize(corners.size() - 3);
    corners.insert(corners.end(), {{0, 18, 10}, {0, 18, 11}, {0, 18, 12}});
    for (int deal = 0; deal < 12; ++deal, ++host.now) {
        buildBoard(app.game, corners, 0);
        ASSERT_FALSE(dealNewGame(app).fellBack);
        EXPECT_TRUE(replayRemovalOrder(app.game)) << "deal " << deal;
    }
    // A tile under the second layer cannot go first.
    auto& order = app.game.state.removalOrder;
    const uint8_t covered = uint8_t(tileAtCorner(app.game, {0, 4, 8}));
    std::iter_swap(order.begin(), std::find(order.begin(), order.end(), covered));
    EXPECT_FALSE(replayRemovalOrder(app.game));
}
