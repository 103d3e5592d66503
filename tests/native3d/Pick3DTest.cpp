// Picking in the 3D view: the tile drawn last under the mouse wins, a click
// beside the heap finds nothing.
#include <gtest/gtest.h>

#include "Scene3DFixture.h"

TEST(Pick3D, TheHigherIndexOfTwoStackedTilesWinsEvenWhenTheLowerIsNearer) {
    Scene3DFixture f;
    f.settings().ZView = 150;
    f.place({{0, 4, 4, 1}, {0, 4, 8, 2}, {0, 6, 8, 4}, {1, 4, 8, 3}});
    EXPECT_EQ(f.pick(f.topCentre(0)), 0);
    EXPECT_EQ(f.pick(f.topCentre(3)), 3);
    EXPECT_EQ(f.pick({2, 2}), int(noTile));
    f.board.app.game.tiles[3].face = 0;  // removed: the tile beneath is found
    EXPECT_EQ(f.pick(f.project(1, 7.5f, 10, 10)), 1);
    f.board.app.game.tiles[3].face = 3;
    // Turned over, the heap shows its bottom: the lower tile is nearer the eye.
    f.settings().YPosition = 180;
    f.settings().Shadows = 1;
    const ClientPoint under = f.project(1, 7.5f, 10, 0);
    EXPECT_EQ(f.pick(under), 3);
    // A click on a tile's shadow means the tile the shadow lies on.
    f.settings().YPosition = 0;
    EXPECT_EQ(f.pick(f.project(3, 7.5f, -4, 0)), 2);
}
