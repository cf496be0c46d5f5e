// Plain rectangles and points of the skin geometry (no system types, so the rules
// can be unit-tested natively).
#pragma once

namespace skin {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool operator==(const Rect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const Rect& o) const { return !(*this == o); }
};

// A rectangle given by its corner and size.
inline Rect RectXYWH(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point& o) const { return x == o.x && y == o.y; }
};

}  // namespace skin
