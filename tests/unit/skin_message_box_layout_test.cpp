#include "skin/message_box_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using skin::Rect;

TEST(SkinMessageBoxLayoutTest, WidthFollowsTextAboveTwoButtonsAndHeightCountsLines) {
  // 57 x 23 button faces: the box is at least 2 * 57 + 60 = 174 wide.
  auto narrow = skin::MsgBoxSize(100, 16, 57, 23, 1);
  EXPECT_EQ(narrow.width, 174);
  EXPECT_EQ(narrow.height, 16 + 23 + 3 + 90);
  EXPECT_EQ(skin::MsgBoxSize(114, 16, 57, 23, 1).width, 174);
  EXPECT_EQ(skin::MsgBoxSize(300, 16, 57, 23, 1).width, 360);
  // A text nearly as wide as the buttons' row still keeps 30 pixels from each side.
  EXPECT_EQ(skin::MsgBoxSize(166, 16, 57, 23, 1).width, 226);
  // Three lines add 9 pixels.
  EXPECT_EQ(skin::MsgBoxSize(100, 48, 57, 23, 3).height, 48 + 23 + 9 + 90);
}

TEST(SkinMessageBoxLayoutTest, LinesSplitAtFeedsKeepingCarriageReturns) {
  EXPECT_EQ(skin::MsgBoxLineCount(L"a\nb\nc"), 3);
  EXPECT_EQ(skin::MsgBoxLineCount(L"one"), 1);
  EXPECT_EQ(skin::MsgBoxSplitLines(L"x\r\ny"), (std::vector<std::wstring>{L"x\r", L"y"}));
  EXPECT_EQ(skin::MsgBoxSplitLines(L"a\n"), (std::vector<std::wstring>{L"a", L""}));
}

TEST(SkinMessageBoxLayoutTest, GapsAroundTextAndButtons) {
  // One line 16 high in a 174 x 132 box: text 25 below the caption band, 8 above the
  // buttons, buttons 30 above the bottom.
  const int th = 16, lines = 1;
  auto size = skin::MsgBoxSize(100, th, 57, 23, lines);
  auto first = skin::MsgBoxFirstLineRect(size.width, 100, th / lines);
  EXPECT_EQ(first.top - 30, 25);
  auto buttons = skin::MsgBoxButtonRects(4, size.width, size.height, 57, 23);
  int lastLineBottom = first.top + lines * th + (lines - 1) * 3;
  EXPECT_EQ(buttons[0].top - lastLineBottom, 8);
  EXPECT_EQ(size.height - buttons[0].bottom, 30);
  EXPECT_EQ(first.left, 37);
}

TEST(SkinMessageBoxLayoutTest, ButtonSetsByType) {
  // Two buttons 20 apart, centred; every other type shows one centred button.
  auto two = skin::MsgBoxButtonRects(4, 174, 132, 57, 23);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0], (Rect{20, 79, 77, 102}));
  EXPECT_EQ(two[1], (Rect{97, 79, 154, 102}));
  EXPECT_EQ(skin::MsgBoxButtonRects(1, 174, 132, 57, 23).size(), 2u);
  for (unsigned type : {0u, 2u, 3u, 5u}) {
    auto one = skin::MsgBoxButtonRects(type, 175, 132, 57, 23);
    ASSERT_EQ(one.size(), 1u) << type;
    EXPECT_EQ(one[0], (Rect{59, 79, 116, 102})) << type;
  }
}

TEST(SkinMessageBoxLayoutTest, LabelsAndResults) {
  struct Case {
    unsigned type;
    std::wstring label1, label2;
    int result1, result2;
  };
  const Case cases[] = {
      {0, L"确定", L"", 1, 2},
      {1, L"确定", L"取消", 1, 2},
      {2, L"确定", L"", 1, 2},
      {3, L"确定", L"", 1, 2},
      {4, L"是", L"否", 6, 7},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skin::MsgBoxLabel(c.type, 5000), c.label1) << c.type;
    EXPECT_EQ(skin::MsgBoxLabel(c.type, 5001), c.label2) << c.type;
    EXPECT_EQ(skin::MsgBoxResult(c.type, 5000), c.result1) << c.type;
    EXPECT_EQ(skin::MsgBoxResult(c.type, 5001), c.result2) << c.type;
  }
}
