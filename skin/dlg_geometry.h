// Geometry of the skinned dialog base: background slices, hit-testing, the launcher's
// own maximise rule, the corner pixels that the window region cuts, the caption-button
// row and the title position.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "skin/skin_rect.h"

namespace skin {

// One copy from the background image: 1:1 when dst and src have the same size and
// stretch is false, scaled otherwise.
struct SliceBlit {
  Rect dst;
  Rect src;
  bool stretch;
};

// Height of the top slice: the caption height, or the border when the caption is -1.
int TopSliceHeight(int border, int caption);

// The copies that paint a window W x H from an image iw x ih: nine-sliced when stretch
// is set, otherwise the image unscaled with its right and bottom edges re-drawn at the
// window's right and bottom.
std::vector<SliceBlit> BackgroundBlits(int W, int H, int iw, int ih, int border, int caption,
                                       bool stretch);

enum class Hit {
  Default,  // leave it to the system
  Caption,
  Left,
  Right,
  Top,
  TopLeft,
  TopRight,
  Bottom,
  BottomLeft,
  BottomRight,
};

// Hit-test of a client point (x, y) in a client area Wc x Hc.
Hit HitTest(int x, int y, int Wc, int Hc, int border, int caption, bool maximized,
            bool resizable);

// The rectangle a window returns to before the user has moved it: an eighth of the
// work area in from each side (measured from the screen origin, as the work area's
// own left and top are not added).
Rect InitialRestoreRect(const Rect& workArea);

// The maximised rectangle: the work area, shrunk evenly on both sides to at most
// maxWidth x maxHeight.
Rect MaximizedRect(const Rect& workArea, int maxWidth, int maxHeight);

// Window pixels to cut from a W x H window's region: the key pixels of the image's
// 9 x 9 corner squares, mapped to the window's corners. isKey(x, y) reads the image.
std::vector<Point> CornerCutPixels(int W, int H, int iw, int ih,
                                   const std::function<bool(int, int)>& isKey);

// Caption buttons as set up by SetSkin: close at the right edge, then maximise, then
// minimise leftwards with gap between them. A width of 0 means the button is absent
// (its rectangle stays empty and takes no room).
struct ButtonSize {
  int width = 0;
  int height = 0;
};
std::array<Rect, 3> CaptionButtonRow(int right, int top, int gap, ButtonSize close,
                                     ButtonSize max, ButtonSize min);

// Re-layout after a resize: the existing buttons (in the order close, maximise,
// minimise; empty = absent) moved edge to edge leftwards from right, each keeping its
// top, width and height.
std::array<Rect, 3> RelayoutCaptionButtons(int right, const std::array<Rect, 3>& current);

// Where the caption band's icon and title go.
struct TitleLayout {
  int iconX;
  int iconY;
  int textX;
  int textY;
};
TitleLayout TitlePosition(int border, int caption, int lfHeight, bool drawsIcon);

}  // namespace skin
