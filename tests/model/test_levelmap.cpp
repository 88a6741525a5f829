// Levelmap storage: grids exist only once written, untouched layers read as
// zero, and copies of levels and levelmaps never share cells.
#include <gtest/gtest.h>

#include "model/levelmap.h"

namespace pyrovel {
namespace {

TEST(LevelmapStorage, UntouchedLayersReadAsZeroAndCopiesAreIndependent) {
  Levelmap map;
  const Levelmap& view = map;
  EXPECT_FALSE(view.holdsCells(kGameLayer, 5));
  EXPECT_EQ(view.cell(kGameLayer, 5, 128, 128), 0);
  EXPECT_EQ(view.grid(kBackgroundLayer, 100)[0], 0);
  EXPECT_FALSE(view.holdsCells(kGameLayer, 5));  // reading allocates nothing

  map.cell(kGameLayer, 5, 3, 4) = 42;
  EXPECT_TRUE(map.holdsCells(kGameLayer, 5));
  EXPECT_FALSE(map.holdsCells(kBackgroundLayer, 5));
  EXPECT_EQ(view.cell(kGameLayer, 5, 3, 4), 42);
  EXPECT_EQ(view.cell(kGameLayer, 6, 3, 4), 0);  // the shared zeros stay zero

  Levelmap copy = map.clone();
  copy.cell(kGameLayer, 5, 3, 4) = 7;
  copy.cell(kBackgroundLayer, 9, 0, 0) = 8;
  EXPECT_EQ(map.cell(kGameLayer, 5, 3, 4), 42);
  EXPECT_FALSE(map.holdsCells(kBackgroundLayer, 9));

  // Copying a level takes its cells along, an untouched one included.
  map.copySlot(5, 6);
  map.cell(kGameLayer, 6, 3, 4) = 1;
  EXPECT_EQ(map.cell(kGameLayer, 5, 3, 4), 42);
  map.copySlot(7, 6);
  EXPECT_EQ(view.cell(kGameLayer, 6, 3, 4), 0);

  map.swapSlots(5, 7);
  EXPECT_EQ(view.cell(kGameLayer, 7, 3, 4), 42);
  EXPECT_EQ(view.cell(kGameLayer, 5, 3, 4), 0);
}

}  // namespace
}  // namespace pyrovel
