#include "skin/progress_geometry.h"

namespace skin {

ProgressFill ComputeProgressFill(int fillWidth, int pos, int lower, int upper) {
  ProgressFill f{0, 0, fillWidth, 0};
  if (upper <= lower || fillWidth <= 0) return f;
  double exact = static_cast<double>(fillWidth) / (upper - lower) * pos;
  int filled = exact <= 0 ? 0 : exact >= fillWidth ? fillWidth : static_cast<int>(exact);
  f.filled = filled;
  f.leftWidth = filled / 2;
  f.rightWidth = filled - f.leftWidth;
  f.rightSrcX = fillWidth - f.rightWidth;
  return f;
}

Rect CenteredFillRect(int trackW, int trackH, int fillW, int fillH) {
  const int dx = (trackW - fillW) / 2;
  const int dy = (trackH - fillH) / 2;
  return Rect{dx, dy, dx + fillW, dy + fillH};
}

}  // namespace skin
