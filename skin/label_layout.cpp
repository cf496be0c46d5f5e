#include "skin/label_layout.h"

namespace skin {

std::vector<std::wstring> WrapLabel(const std::wstring& text, int areaWidth, int charWidth,
                                    const MeasureFn& measure) {
  std::vector<std::wstring> lines;
  if (areaWidth < charWidth) return lines;
  std::wstring line;
  for (wchar_t c : text) {
    if (c == L'\r') continue;
    if (c == L'\n') {
      lines.push_back(line);
      line.clear();
      continue;
    }
    line.push_back(c);
    if (line.size() > 1 && measure(line) > areaWidth) {
      line.pop_back();
      lines.push_back(line);
      line.assign(1, c);
    }
  }
  lines.push_back(line);
  return lines;
}

int LabelNeededHeight(int lineHeight, int lines, int lineGap) {
  if (lines < 1) lines = 1;
  return lineHeight + (lines - 1) * (lineHeight + lineGap);
}

int LabelCharWidth(int sampleWidth) { return sampleWidth / 11; }

}  // namespace skin
