#include "skin/pixel_rules.h"

namespace skin {

KeyedPixel KeyPixel(uint8_t b, uint8_t g, uint8_t r, uint8_t a, uint32_t keyColorRef) {
  if (a == 255) return KeyedPixel{b, g, r, 0};
  if (a == 0) {
    return KeyedPixel{static_cast<uint8_t>((keyColorRef >> 16) & 0xFF),
                      static_cast<uint8_t>((keyColorRef >> 8) & 0xFF),
                      static_cast<uint8_t>(keyColorRef & 0xFF), 0};
  }
  auto over_white = [a](uint8_t c) {
    return static_cast<uint8_t>((a * c + 255 * (255 - a)) / 255);
  };
  return KeyedPixel{over_white(b), over_white(g), over_white(r), 0};
}

void ConvertToKeyedDib(const uint8_t* src, int srcStride, int width, int height,
                       uint32_t keyColorRef, uint8_t* dst) {
  if (!src || !dst || width <= 0 || height <= 0) return;
  const long dstStride = static_cast<long>(width) * 4;
  for (int i = 0; i < height; ++i) {
    const uint8_t* in = src + static_cast<long>(i) * srcStride;
    uint8_t* out = dst + static_cast<long>(height - 1 - i) * dstStride;
    for (int j = 0; j < width; ++j, in += 4, out += 4) {
      KeyedPixel p = KeyPixel(in[0], in[1], in[2], in[3], keyColorRef);
      out[0] = p.b;
      out[1] = p.g;
      out[2] = p.r;
      out[3] = 0;
    }
  }
}

int FrameWidth(int stripWidth, int frames) {
  if (frames <= 0 || stripWidth <= 0) return 0;
  return stripWidth / frames;
}

}  // namespace skin
