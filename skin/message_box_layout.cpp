#include "skin/message_box_layout.h"

namespace skin {

namespace {
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;
constexpr unsigned kTypeOkCancel = 1;
constexpr unsigned kTypeYesNo = 4;
}  // namespace

bool MsgBoxHasTwoButtons(unsigned type) { return type == kTypeOkCancel || type == kTypeYesNo; }

std::wstring MsgBoxLabel(unsigned type, int buttonId) {
  if (type == kTypeYesNo) return buttonId == kMsgBoxButton1 ? L"是" : L"否";
  if (buttonId == kMsgBoxButton1) return L"确定";
  return type == kTypeOkCancel ? L"取消" : L"";
}

int MsgBoxResult(unsigned type, int buttonId) {
  if (buttonId == kMsgBoxButton1) return type == kTypeYesNo ? kIdYes : kIdOk;
  return type == kTypeYesNo ? kIdNo : kIdCancel;
}

int MsgBoxLineCount(const std::wstring& text) {
  int n = 1;
  for (wchar_t c : text) n += c == L'\n';
  return n;
}

std::vector<std::wstring> MsgBoxSplitLines(const std::wstring& text) {
  std::vector<std::wstring> out;
  size_t start = 0;
  for (;;) {
    size_t lf = text.find(L'\n', start);
    if (lf == std::wstring::npos) {
      out.push_back(text.substr(start));
      return out;
    }
    out.push_back(text.substr(start, lf - start));
    start = lf + 1;
  }
}

Size MsgBoxSize(int tw, int th, int bw, int bh, int lines) {
  // The text keeps 30 pixels on each side: a text a little narrower than the two
  // buttons' row would otherwise be centred onto the frame.
  const int minWidth = 2 * bw + 60;
  return Size{tw + 60 > minWidth ? tw + 60 : minWidth, th + bh + kMsgBoxLineGap * lines + 90};
}

std::vector<Rect> MsgBoxButtonRects(unsigned type, int cw, int ch, int bw, int bh) {
  const int bottom = ch - 30;
  const int top = bottom - bh;
  if (MsgBoxHasTwoButtons(type)) {
    Rect first{cw / 2 - 10 - bw, top, cw / 2 - 10, bottom};
    Rect second{first.left + bw + 20, top, first.right + bw + 20, bottom};
    return {first, second};
  }
  const int left = (cw - bw) / 2;
  return {Rect{left, top, left + bw, bottom}};
}

Rect MsgBoxFirstLineRect(int cw, int tw, int lineHeight) {
  const int left = (cw - tw) / 2;
  return Rect{left, kMsgBoxTextTop, left + tw, kMsgBoxTextTop + lineHeight};
}

}  // namespace skin
