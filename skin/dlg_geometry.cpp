#include "skin/dlg_geometry.h"

#include <algorithm>
#include <cstdlib>

namespace skin {

int TopSliceHeight(int border, int caption) { return caption == -1 ? border : caption; }

std::vector<SliceBlit> BackgroundBlits(int W, int H, int iw, int ih, int B, int C,
                                       bool stretch) {
  const int T = TopSliceHeight(B, C);
  std::vector<SliceBlit> out;
  if (stretch) {
    out.push_back({RectXYWH(0, 0, B, T), RectXYWH(0, 0, B, T), false});
    out.push_back({RectXYWH(B, 0, W - 2 * B, T), RectXYWH(B, 0, iw - 2 * B, T), true});
    out.push_back({RectXYWH(W - B, 0, B, T), RectXYWH(iw - B, 0, B, T), false});
    out.push_back({RectXYWH(0, T, B, H - T - B), RectXYWH(0, T, B, ih - T - B), true});
    out.push_back({RectXYWH(W - B, T, B, H - T - B), RectXYWH(iw - B, T, B, ih - T - B), true});
    out.push_back(
        {RectXYWH(B, T, W - 2 * B, H - T - B), RectXYWH(B, T, iw - 2 * B, ih - T - B), true});
  } else {
    out.push_back({RectXYWH(0, 0, W, H), RectXYWH(0, 0, W, H), false});
    out.push_back({RectXYWH(W - B, 0, B, T), RectXYWH(iw - B, 0, B, T), false});
    out.push_back({RectXYWH(W - B, T, B, H - T - B), RectXYWH(iw - B, T, B, ih - T - B), true});
  }
  out.push_back({RectXYWH(0, H - B, B, B), RectXYWH(0, ih - B, B, B), false});
  out.push_back({RectXYWH(B, H - B, W - 2 * B, B), RectXYWH(B, ih - B, iw - 2 * B, B), true});
  out.push_back({RectXYWH(W - B, H - B, B, B), RectXYWH(iw - B, ih - B, B, B), false});
  return out;
}

Hit HitTest(int x, int y, int Wc, int Hc, int B, int C, bool maximized, bool resizable) {
  if (maximized) return Hit::Default;
  const bool inCaption = C == -1 || (y >= 0 && y < C);
  if (!resizable) return inCaption ? Hit::Caption : Hit::Default;
  const bool topBand = y >= 0 && y < B;
  const bool bottomBand = y >= Hc - B && y < Hc;
  if (x >= 0 && x < B) {
    if (topBand) return Hit::TopLeft;
    if (bottomBand) return Hit::BottomLeft;
    return Hit::Left;
  }
  if (x >= Wc - B && x < Wc) {
    if (topBand) return Hit::TopRight;
    if (bottomBand) return Hit::BottomRight;
    return Hit::Right;
  }
  if (y >= 0 && y < 3) return Hit::Top;
  if (y < C || C == -1) return Hit::Caption;
  if (bottomBand) return Hit::Bottom;
  return Hit::Default;
}

Rect InitialRestoreRect(const Rect& wa) {
  const int W = wa.Width();
  const int H = wa.Height();
  return Rect{W / 8, H / 8, wa.right - W / 8, wa.bottom - H / 8};
}

Rect MaximizedRect(const Rect& wa, int maxWidth, int maxHeight) {
  Rect r = wa;
  if (maxWidth < r.Width()) {
    const int d = (r.Width() - maxWidth) / 2;
    r.left += d;
    r.right -= d;
  }
  if (maxHeight < r.Height()) {
    const int d = (r.Height() - maxHeight) / 2;
    r.top += d;
    r.bottom -= d;
  }
  return r;
}

std::vector<Point> CornerCutPixels(int W, int H, int iw, int ih,
                                   const std::function<bool(int, int)>& isKey) {
  std::vector<Point> out;
  const int cols = std::min(iw, 9);
  auto key = [&](int x, int y) { return x >= 0 && x < iw && y >= 0 && y < ih && isKey(x, y); };
  for (int i = 0; i < std::min(ih, 9); ++i) {
    for (int j = 0; j < cols; ++j) {
      if (key(j, i)) out.push_back({j, i});
      if (key(iw - 1 - j, i)) out.push_back({W - 1 - j, i});
    }
  }
  for (int r = ih - 9; r < ih; ++r) {
    for (int j = 0; j < cols; ++j) {
      if (key(j, r)) out.push_back({j, H - ih + r});
      if (key(iw - 1 - j, r)) out.push_back({W - 1 - j, H - ih + r});
    }
  }
  return out;
}

std::array<Rect, 3> CaptionButtonRow(int right, int top, int gap, ButtonSize close,
                                     ButtonSize max, ButtonSize min) {
  std::array<Rect, 3> out{};
  int x = right;
  if (close.width > 0) out[0] = Rect{x - close.width, top, x, top + close.height};
  if (max.width > 0) {
    x = x - close.width - gap;
    out[1] = Rect{x - max.width, top, x, top + max.height};
  }
  if (min.width > 0) {
    x = x - (max.width > 0 ? max.width : close.width) - gap;
    out[2] = Rect{x - min.width, top, x, top + min.height};
  }
  return out;
}

std::array<Rect, 3> RelayoutCaptionButtons(int right, const std::array<Rect, 3>& current) {
  std::array<Rect, 3> out{};
  int x = right;
  for (size_t i = 0; i < current.size(); ++i) {
    const Rect& r = current[i];
    if (r.IsEmpty()) continue;
    out[i] = Rect{x - r.Width(), r.top, x, r.bottom};
    x = out[i].left;
  }
  return out;
}

TitleLayout TitlePosition(int B, int C, int lfHeight, bool drawsIcon) {
  TitleLayout t{};
  t.iconX = B;
  t.iconY = C == -1 ? 6 : (C - 15) / 2;
  const int iconWidth = drawsIcon ? 16 : 0;
  t.textX = iconWidth + B + 5;
  const int h = C - std::abs(lfHeight) + 1;
  t.textY = h / 2 < 0 ? 4 : h / 2 - 2;
  return t;
}

}  // namespace skin
