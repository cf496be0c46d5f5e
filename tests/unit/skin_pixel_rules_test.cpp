#include "skin/pixel_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using skin::ConvertToKeyedDib;
using skin::KeyPixel;
using skin::kSkinKeyColor;

TEST(SkinPixelRulesTest, AlphaDecidesKeyOpaqueOrOverWhite) {
  struct Case {
    uint8_t b, g, r, a;
    uint8_t eb, eg, er;
  };
  const Case cases[] = {
      {12, 34, 56, 0, 255, 0, 255},       // any colour at alpha 0 is the key
      {0, 0, 0, 0, 255, 0, 255},
      {0, 0, 0, 128, 127, 127, 127},      // (128*0 + 255*127) / 255
      {255, 255, 255, 128, 255, 255, 255},
      {10, 200, 40, 255, 10, 200, 40},    // opaque kept
      {255, 0, 255, 1, 255, 254, 255},    // almost transparent melts into white
      {100, 50, 0, 254, 100, 50, 1},      // (254*c + 255) / 255, truncated
  };
  for (const Case& c : cases) {
    auto p = KeyPixel(c.b, c.g, c.r, c.a, kSkinKeyColor);
    EXPECT_EQ(p.b, c.eb) << int(c.a);
    EXPECT_EQ(p.g, c.eg) << int(c.a);
    EXPECT_EQ(p.r, c.er) << int(c.a);
    EXPECT_EQ(p.x, 0);
  }
}

TEST(SkinPixelRulesTest, KeyColourChannelsComeFromColorRef) {
  // COLORREF 0x00BBGGRR: 0x00332211 is red 0x11, green 0x22, blue 0x33.
  auto p = KeyPixel(1, 2, 3, 0, 0x00332211);
  EXPECT_EQ(p.b, 0x33);
  EXPECT_EQ(p.g, 0x22);
  EXPECT_EQ(p.r, 0x11);
}

TEST(SkinPixelRulesTest, FirstSourceRowLandsInLastDibRowAndFourthByteIsZero) {
  // Two rows of two pixels; the source has padding after each row (stride 12).
  const std::vector<uint8_t> src = {
      1, 2, 3, 255,  4, 5, 6, 255,  0xEE, 0xEE, 0xEE, 0xEE,   // top row
      7, 8, 9, 255,  9, 9, 9, 0,    0xEE, 0xEE, 0xEE, 0xEE};  // bottom row
  std::vector<uint8_t> dst(16, 0xAA);
  ConvertToKeyedDib(src.data(), 12, 2, 2, kSkinKeyColor, dst.data());
  const std::vector<uint8_t> expected = {
      7, 8, 9, 0,  255, 0, 255, 0,   // DIB memory row 0 = bottom of the picture
      1, 2, 3, 0,  4, 5, 6, 0};
  EXPECT_EQ(dst, expected);
}

TEST(SkinPixelRulesTest, FrameWidthDropsRemainder) {
  EXPECT_EQ(skin::FrameWidth(132, 4), 33);
  EXPECT_EQ(skin::FrameWidth(135, 4), 33);
  EXPECT_EQ(skin::FrameWidth(567, 3), 189);
  EXPECT_EQ(skin::FrameWidth(100, 0), 0);
}
