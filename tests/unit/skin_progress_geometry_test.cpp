#include "skin/progress_geometry.h"

#include <gtest/gtest.h>

using skin::ComputeProgressFill;

TEST(SkinProgressGeometryTest, FillSplitsIntoLeftAndRightEnds) {
  struct Case {
    int pos, filled, left, rightSrcX, right;
  };
  const Case cases[] = {
      {50, 195, 97, 292, 98},   // 97 from the left end, 98 from the right end
      {33, 128, 64, 326, 64},   // 390 / 100 * 33 = 128.7, truncated
      {1, 3, 1, 388, 2},
      {100, 390, 195, 195, 195},  // the whole image, as its two halves
      {0, 0, 0, 390, 0},
  };
  for (const Case& c : cases) {
    auto f = ComputeProgressFill(390, c.pos, 0, 100);
    EXPECT_EQ(f.filled, c.filled) << c.pos;
    EXPECT_EQ(f.leftWidth, c.left) << c.pos;
    EXPECT_EQ(f.rightSrcX, c.rightSrcX) << c.pos;
    EXPECT_EQ(f.rightWidth, c.right) << c.pos;
  }
}

TEST(SkinProgressGeometryTest, EmptyOrReversedRangeFillsNothingAndFillNeverOverflows) {
  EXPECT_EQ(ComputeProgressFill(390, 0, 0, 0).filled, 0);
  EXPECT_EQ(ComputeProgressFill(390, 5, 5, 5).filled, 0);
  EXPECT_EQ(ComputeProgressFill(390, 5, 10, 0).filled, 0);
  // The lower bound is not subtracted: 50..100 at 100 would ask for twice the image.
  auto over = ComputeProgressFill(390, 100, 50, 100);
  EXPECT_EQ(over.filled, 390);
  EXPECT_EQ(over.rightSrcX, 195);
  EXPECT_EQ(ComputeProgressFill(390, -5, 0, 100).filled, 0);
}

TEST(SkinProgressGeometryTest, FillCentredInTrack) {
  EXPECT_EQ(skin::CenteredFillRect(390, 21, 390, 21), (skin::Rect{0, 0, 390, 21}));
  EXPECT_EQ(skin::CenteredFillRect(390, 21, 380, 15), (skin::Rect{5, 3, 385, 18}));
}
