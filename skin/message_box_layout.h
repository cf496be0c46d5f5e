// Layout and results of the skinned message box: its size follows the text, its
// buttons sit 30 pixels above the bottom, its lines start 25 pixels below the caption.
#pragma once

#include <string>
#include <vector>

#include "skin/skin_rect.h"

namespace skin {

constexpr int kMsgBoxButton1 = 5000;
constexpr int kMsgBoxButton2 = 5001;
constexpr int kMsgBoxTextTop = 55;
constexpr int kMsgBoxLineGap = 3;

// Button sets by type: 1 OK and Cancel, 4 Yes and No, anything else OK alone.
bool MsgBoxHasTwoButtons(unsigned type);
// Labels of buttons 5000 and 5001 (the second is empty for a one-button box).
std::wstring MsgBoxLabel(unsigned type, int buttonId);
// The dialog result of a click on button 5000 or 5001.
int MsgBoxResult(unsigned type, int buttonId);

// 1 + the number of line feeds.
int MsgBoxLineCount(const std::wstring& text);
// The pieces drawn one per line (split at line feeds; a carriage return stays with its piece).
std::vector<std::wstring> MsgBoxSplitLines(const std::wstring& text);

struct Size {
  int width;
  int height;
};
// The window size for a text measured tw x th and a button frame bw x bh: at least
// the two buttons' row, and the text with 30 pixels on each side.
Size MsgBoxSize(int tw, int th, int bw, int bh, int lines);

// Button rectangles in a client area cw x ch: two centred with a 20-pixel gap, or one centred.
std::vector<Rect> MsgBoxButtonRects(unsigned type, int cw, int ch, int bw, int bh);

// The first text line's rectangle; each further line lies lineHeight + 3 lower.
Rect MsgBoxFirstLineRect(int cw, int tw, int lineHeight);

}  // namespace skin
