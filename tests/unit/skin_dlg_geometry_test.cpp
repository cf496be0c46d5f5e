#include "skin/dlg_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

using skin::Hit;
using skin::HitTest;
using skin::Rect;

TEST(SkinDlgGeometryTest, NineSliceCoversWindowAndMapsEdgesOfImage) {
  // A 30 x 51 image (caption 30, border 4) stretched onto 300 x 200.
  auto blits = skin::BackgroundBlits(300, 200, 30, 51, 4, 30, true);
  ASSERT_EQ(blits.size(), 9u);
  // Every window pixel is painted exactly once.
  long area = 0;
  for (const auto& b : blits) area += long(b.dst.Width()) * b.dst.Height();
  EXPECT_EQ(area, 300L * 200);
  // Corners are copied 1:1 from the image's corners.
  auto find = [&](Rect dst) {
    return std::find_if(blits.begin(), blits.end(), [&](const auto& b) { return b.dst == dst; });
  };
  auto topRight = find(Rect{296, 0, 300, 30});
  ASSERT_NE(topRight, blits.end());
  EXPECT_EQ(topRight->src, (Rect{26, 0, 30, 30}));
  EXPECT_FALSE(topRight->stretch);
  auto centre = find(Rect{4, 30, 296, 196});
  ASSERT_NE(centre, blits.end());
  EXPECT_EQ(centre->src, (Rect{4, 30, 26, 47}));
  auto bottomRight = find(Rect{296, 196, 300, 200});
  ASSERT_NE(bottomRight, blits.end());
  EXPECT_EQ(bottomRight->src, (Rect{26, 47, 30, 51}));
}

TEST(SkinDlgGeometryTest, CaptionMinusOneMakesTopSliceTheBorder) {
  auto blits = skin::BackgroundBlits(100, 80, 20, 20, 3, -1, true);
  EXPECT_EQ(blits[0].dst, (Rect{0, 0, 3, 3}));
  EXPECT_EQ(blits[3].dst, (Rect{0, 3, 3, 77}));  // left edge between the corners
}

TEST(SkinDlgGeometryTest, FixedLayoutDrawsImageUnscaledAndRedrawsRightAndBottomEdges) {
  auto blits = skin::BackgroundBlits(250, 191, 250, 191, 4, 30, false);
  ASSERT_EQ(blits.size(), 6u);
  EXPECT_EQ(blits[0].dst, (Rect{0, 0, 250, 191}));
  EXPECT_EQ(blits[0].src, (Rect{0, 0, 250, 191}));
  EXPECT_FALSE(blits[0].stretch);
  EXPECT_EQ(blits[1].dst, (Rect{246, 0, 250, 30}));
  EXPECT_EQ(blits[5].dst, (Rect{246, 187, 250, 191}));
}

TEST(SkinDlgGeometryTest, HitBandsOfResizableWindowWithCaption30Border4) {
  const int W = 200, H = 100;
  struct Case {
    int x, y;
    Hit hit;
  };
  const Case cases[] = {
      {100, 0, Hit::Top},         {100, 2, Hit::Top},           {100, 3, Hit::Caption},
      {100, 29, Hit::Caption},    {100, 30, Hit::Default},      {100, 95, Hit::Default},
      {100, 96, Hit::Bottom},     {100, 99, Hit::Bottom},       {0, 0, Hit::TopLeft},
      {3, 3, Hit::TopLeft},       {3, 4, Hit::Left},            {0, 96, Hit::BottomLeft},
      {199, 0, Hit::TopRight},    {196, 50, Hit::Right},        {196, 99, Hit::BottomRight},
      {4, 50, Hit::Default},      {195, 10, Hit::Caption},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(HitTest(c.x, c.y, W, H, 4, 30, false, true), c.hit) << c.x << "," << c.y;
  }
}

TEST(SkinDlgGeometryTest, HitWithCaptionMinusOneDragsEverywhereOutsideTheBorders) {
  // Not resizable: every point drags.
  for (auto [x, y] : {std::pair{0, 0}, {50, 50}, {99, 99}}) {
    EXPECT_EQ(HitTest(x, y, 100, 100, 3, -1, false, false), Hit::Caption);
  }
  // Resizable: sides and corners size, the caption rule wins over the bottom band.
  EXPECT_EQ(HitTest(50, 1, 100, 100, 3, -1, false, true), Hit::Top);
  EXPECT_EQ(HitTest(50, 50, 100, 100, 3, -1, false, true), Hit::Caption);
  EXPECT_EQ(HitTest(50, 98, 100, 100, 3, -1, false, true), Hit::Caption);
  EXPECT_EQ(HitTest(1, 98, 100, 100, 3, -1, false, true), Hit::BottomLeft);
  // Not resizable with a caption: below the caption is the system's.
  EXPECT_EQ(HitTest(50, 29, 100, 100, 4, 30, false, false), Hit::Caption);
  EXPECT_EQ(HitTest(50, 30, 100, 100, 4, 30, false, false), Hit::Default);
  // Maximised: never a caption or a border.
  EXPECT_EQ(HitTest(50, 10, 100, 100, 4, 30, true, true), Hit::Default);
  EXPECT_EQ(HitTest(0, 0, 100, 100, 4, -1, true, false), Hit::Default);
}

TEST(SkinDlgGeometryTest, MaximiseCentresTheLargestSizeInTheWorkArea) {
  // 1920 x 1040 work area, largest size 1280 x 984: d = 320 and 28.
  EXPECT_EQ(skin::MaximizedRect(Rect{0, 0, 1920, 1040}, 1280, 984), (Rect{320, 28, 1600, 1012}));
  // A largest size from this work area fills it.
  EXPECT_EQ(skin::MaximizedRect(Rect{0, 0, 1920, 1040}, 1920, 1040), (Rect{0, 0, 1920, 1040}));
  // An offset work area keeps its offset.
  EXPECT_EQ(skin::MaximizedRect(Rect{100, 0, 1380, 1000}, 1280, 1000), (Rect{100, 0, 1380, 1000}));
}

TEST(SkinDlgGeometryTest, InitialRestoreRectIsAnEighthIn) {
  EXPECT_EQ(skin::InitialRestoreRect(Rect{0, 0, 1920, 1040}), (Rect{240, 130, 1680, 910}));
  EXPECT_EQ(skin::InitialRestoreRect(Rect{0, 0, 1283, 1027}), (Rect{160, 128, 1123, 899}));
}

TEST(SkinDlgGeometryTest, RoundedTopCornersAtAnyWidthBottomStaysSquare) {
  // The 30 x 51 light background: 3, 2, 1 key pixels in rows 0, 1, 2 at each top corner.
  const int iw = 30, ih = 51;
  auto isKey = [&](int x, int y) {
    int fromEdge = std::min(x, iw - 1 - x);
    return y < 3 && fromEdge < 3 - y;
  };
  for (int W : {30, 174, 500}) {
    auto cut = skin::CornerCutPixels(W, 120, iw, ih, isKey);
    std::set<std::pair<int, int>> got;
    for (auto p : cut) got.insert({p.x, p.y});
    std::set<std::pair<int, int>> want = {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {0, 2},
                                          {W - 1, 0}, {W - 2, 0}, {W - 3, 0}, {W - 1, 1},
                                          {W - 2, 1}, {W - 1, 2}};
    EXPECT_EQ(got, want) << W;
  }
}

TEST(SkinDlgGeometryTest, BottomCornerKeysMapToWindowBottomAndCentreKeysAreIgnored) {
  // 20 x 20 image with key pixels at its bottom-left corner and in its middle.
  auto isKey = [](int x, int y) { return (x == 0 && y == 19) || (x == 10 && y == 10); };
  auto cut = skin::CornerCutPixels(100, 60, 20, 20, isKey);
  ASSERT_EQ(cut.size(), 1u);
  EXPECT_EQ(cut[0], (skin::Point{0, 59}));
  // An image lower than 9 rows: rows above it are read as no colour.
  auto tiny = skin::CornerCutPixels(50, 40, 4, 4, [](int, int) { return true; });
  for (auto p : tiny) {
    EXPECT_GE(p.y, 0);
    EXPECT_LT(p.y, 40);
  }
}

TEST(SkinDlgGeometryTest, CaptionButtonsStandRightToLeftCloseMaxMin) {
  // Host-like: 33-wide close, 27-wide max and min, margin applied by the caller, gap 2.
  auto row = skin::CaptionButtonRow(795, 1, 2, {33, 28}, {27, 28}, {27, 28});
  EXPECT_EQ(row[0], (Rect{762, 1, 795, 29}));
  EXPECT_EQ(row[1], (Rect{733, 1, 760, 29}));
  EXPECT_EQ(row[2], (Rect{704, 1, 731, 29}));
  // Without a maximise button the minimise button sits next to close.
  auto noMax = skin::CaptionButtonRow(300, 0, 0, {33, 28}, {}, {27, 28});
  EXPECT_TRUE(noMax[1].IsEmpty());
  EXPECT_EQ(noMax[2], (Rect{240, 0, 267, 28}));
  // Re-layout after a resize: edge to edge, gap dropped, tops and sizes kept.
  auto moved = skin::RelayoutCaptionButtons(1000, row);
  EXPECT_EQ(moved[0], (Rect{967, 1, 1000, 29}));
  EXPECT_EQ(moved[1], (Rect{940, 1, 967, 29}));
  EXPECT_EQ(moved[2], (Rect{913, 1, 940, 29}));
}

TEST(SkinDlgGeometryTest, TitleAndIconPositions) {
  auto t12 = skin::TitlePosition(4, 30, -12, true);
  EXPECT_EQ(t12.textY, 7);
  EXPECT_EQ(t12.textX, 25);
  EXPECT_EQ(t12.iconX, 4);
  EXPECT_EQ(t12.iconY, 7);
  EXPECT_EQ(skin::TitlePosition(4, 30, -11, false).textY, 8);
  EXPECT_EQ(skin::TitlePosition(4, 30, -11, false).textX, 9);
  auto noCaption = skin::TitlePosition(3, -1, -12, true);
  EXPECT_EQ(noCaption.textY, 4);
  EXPECT_EQ(noCaption.iconY, 6);
}
