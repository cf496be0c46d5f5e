#include "skin/label_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using skin::WrapLabel;
using Lines = std::vector<std::wstring>;

namespace {
// Every character 10 pixels wide.
int Fixed10(const std::wstring& s) { return static_cast<int>(s.size()) * 10; }
}  // namespace

TEST(SkinLabelLayoutTest, WrapsByMeasuredWidth) {
  struct Case {
    std::wstring text;
    int area;
    Lines lines;
  };
  const Case cases[] = {
      {L"a\r\nb", 100, {L"a", L"b"}},           // the carriage return is never drawn
      {L"abcde", 50, {L"abcde"}},               // exactly as wide as the area: one line
      {L"abcdef", 50, {L"abcde", L"f"}},        // one more moves that character down
      {L"abcdefghijk", 50, {L"abcde", L"fghij", L"k"}},
      {L"ab\n\ncd", 50, {L"ab", L"", L"cd"}},   // empty line from two feeds
      {L"ab\n", 50, {L"ab", L""}},              // a trailing feed still counts a line
      {L"", 50, {L""}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WrapLabel(c.text, c.area, 10, Fixed10), c.lines) << c.area;
  }
}

TEST(SkinLabelLayoutTest, CharacterWiderThanAreaStaysAloneAndWrapEnds) {
  // Area 15 >= char width 12 but "W" measures 20 on its own.
  auto measure = [](const std::wstring& s) {
    int w = 0;
    for (wchar_t c : s) w += c == L'W' ? 20 : 5;
    return w;
  };
  EXPECT_EQ(WrapLabel(L"aWWb", 15, 12, measure), (Lines{L"a", L"W", L"W", L"b"}));
}

TEST(SkinLabelLayoutTest, AreaNarrowerThanACharacterDrawsNothing) {
  EXPECT_TRUE(WrapLabel(L"abc", 9, 10, Fixed10).empty());
}

TEST(SkinLabelLayoutTest, GrowthForThreeLines) {
  EXPECT_EQ(skin::LabelNeededHeight(16, 3, 3), 54);
  EXPECT_EQ(skin::LabelNeededHeight(16, 1, 3), 16);
  EXPECT_EQ(skin::LabelCharWidth(132), 12);
}
