// Line wrapping of the text label by measured width, with the measuring injected so
// the rule runs without a device context.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace skin {

// Width in pixels of a piece of text as drawn.
using MeasureFn = std::function<int(const std::wstring&)>;

// Breaks text into the lines the label draws: a carriage return is dropped, a line
// feed ends a line, and a character that would make a line wider than areaWidth
// starts the next line. A character wider than the area on its own stays alone on its
// line. No lines at all when the area is narrower than charWidth.
std::vector<std::wstring> WrapLabel(const std::wstring& text, int areaWidth, int charWidth,
                                    const MeasureFn& measure);

// Height that n lines of height lineHeight with lineGap between them need.
int LabelNeededHeight(int lineHeight, int lines, int lineGap);

// Character width from the measured sample text ("测试用汉字来获取宽度" with its
// terminator counted as the 11th character).
int LabelCharWidth(int sampleWidth);

}  // namespace skin
