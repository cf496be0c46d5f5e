// How much of the progress fill image is shown and from which parts of it: the left
// end and the right end of the image meet in the middle, so both rounded caps stay.
#pragma once

#include "skin/skin_rect.h"

namespace skin {

struct ProgressFill {
  int filled;     // total filled width
  int leftWidth;  // taken from the image's left end
  int rightSrcX;  // where the right part starts in the image
  int rightWidth; // taken from the image's right end
};

// fillWidth / (upper - lower) * pos, truncated; the lower bound is not subtracted from
// the position. An empty or reversed range fills nothing; the fill never exceeds the image.
ProgressFill ComputeProgressFill(int fillWidth, int pos, int lower, int upper);

// The fill image's place: centred in the track (0, 0, trackW, trackH).
Rect CenteredFillRect(int trackW, int trackH, int fillW, int fillH);

}  // namespace skin
