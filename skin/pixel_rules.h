// The per-pixel rule that turns artwork with an alpha channel into a keyed bitmap:
// every pixel becomes fully opaque or exactly the key colour.
#pragma once

#include <cstdint>

namespace skin {

// Magenta as a COLORREF (0x00BBGGRR): the colour that skinned drawing leaves out.
constexpr uint32_t kSkinKeyColor = 0x00FF00FF;

// One keyed pixel as the four bytes blue, green, red, 0 of a 32-bit DIB.
struct KeyedPixel {
  uint8_t b, g, r, x;
};

// Fully transparent becomes the key, opaque is kept, translucent is composited over white.
KeyedPixel KeyPixel(uint8_t b, uint8_t g, uint8_t r, uint8_t a, uint32_t keyColorRef);

// Converts top-down rows of B,G,R,A pixels (srcStride bytes apart) into a bottom-up
// 32-bit DIB of width * 4 bytes per row, so the picture stands upright when blitted.
void ConvertToKeyedDib(const uint8_t* src, int srcStride, int width, int height,
                       uint32_t keyColorRef, uint8_t* dst);

// Width of one frame of an image strip; a remainder on the right is dropped.
int FrameWidth(int stripWidth, int frames);

}  // namespace skin
