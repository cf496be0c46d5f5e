#include "skin/static_ex_win.h"

#include <cwchar>

#include "skin/btn_ex_win.h"
#include "skin/label_layout.h"
#include "skin/png_resource_win.h"

void CStaticEx::PreSubclassWindow() { m_strText = GetWindowText(); }

BOOL CStaticEx::SetImage(HBITMAP bitmap) {
  if (!bitmap) return FALSE;
  SIZE size = BitmapSize(bitmap);
  m_nImgWidth = size.cx;
  m_nImgHeight = size.cy;
  BuildFaceList(m_imgList, bitmap, 1);
  return TRUE;
}

void CStaticEx::EnsureFont() {
  if (m_font) return;
  LOGFONTW lf{};
  HFONT base = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  if (!base) base = static_cast<HFONT>(::GetStockObject(SYSTEM_FONT));
  ::GetObjectW(base, sizeof(lf), &lf);
  if (m_nFontHeight != 0) lf.lfHeight = m_nFontHeight;
  if (m_nFontWeight != -1) lf.lfWeight = m_nFontWeight;
  if (m_nFontWidth != 0) lf.lfWidth = m_nFontWidth;
  if (m_bUnderline) lf.lfUnderline = TRUE;
  wcsncpy(lf.lfFaceName, L"微软雅黑", LF_FACESIZE - 1);
  lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
  m_font.Reset(::CreateFontIndirectW(&lf));
}

int CStaticEx::DrawLabelText(HDC dc) {
  RECT area = GetClientRect();
  if (m_nImgWidth != 0) area.left += m_nImgWidth + 6;

  const LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  UINT format = DT_WORDBREAK;
  const LONG_PTR align = style & SS_TYPEMASK;
  if (align == SS_CENTER) format = DT_WORDBREAK | DT_CENTER | DT_VCENTER;
  else if (align == SS_RIGHT) format = DT_WORDBREAK | DT_RIGHT;
  if ((style & SS_ELLIPSISMASK) == SS_ENDELLIPSIS) format |= DT_END_ELLIPSIS;
  if ((style & SS_ELLIPSISMASK) == SS_PATHELLIPSIS) format |= DT_PATH_ELLIPSIS | DT_SINGLELINE;
  if (style & SS_CENTERIMAGE) format |= DT_SINGLELINE | DT_VCENTER;

  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, m_bHoverColor && m_bHover ? m_clrHover : m_clrNormal);
  EnsureFont();
  fw::SelectGuard fontSel(dc, m_font.Get());

  RECT sample{0, 0, 0, 0};
  ::DrawTextW(dc, L"测试用汉字来获取宽度", 11, &sample, DT_CALCRECT);
  const int lineHeight = sample.bottom - sample.top;
  const int charWidth = skin::LabelCharWidth(sample.right - sample.left);
  const int areaWidth = area.right - area.left;

  auto measure = [dc](const std::wstring& s) {
    RECT r{0, 0, 0, 0};
    ::DrawTextW(dc, s.c_str(), static_cast<int>(s.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return static_cast<int>(r.right - r.left);
  };
  std::vector<std::wstring> lines = skin::WrapLabel(m_strText, areaWidth, charWidth, measure);
  if (lines.empty()) return 0;

  RECT line{area.left, area.top, area.right, area.top + lineHeight};
  for (const std::wstring& text : lines) {
    RECT r = line;
    ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    ::OffsetRect(&line, 0, lineHeight + m_nLineGap);
  }

  const int needed = skin::LabelNeededHeight(lineHeight, static_cast<int>(lines.size()), m_nLineGap);
  RECT wr = GetWindowRect();
  if (wr.bottom - wr.top < needed) {
    HWND parent = ::GetParent(m_hWnd);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&wr), 2);
    ::MoveWindow(m_hWnd, wr.left, wr.top, wr.right - wr.left, needed, TRUE);
  }
  return 0;
}

void CStaticEx::Paint() {
  fw::PaintDC paint(m_hWnd);
  RECT wr = GetWindowRect();
  const int w = wr.right - wr.left;
  const int h = wr.bottom - wr.top;
  if (w <= 0 || h <= 0) return;
  SkinCanvas mem(m_hWnd, paint, w, h);
  if (m_imgList) m_imgList.Draw(mem, 0, POINT{3, (h - m_nImgHeight) / 2}, ILD_TRANSPARENT);
  DrawLabelText(mem);
  mem.Present();
}

LRESULT CStaticEx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_SETCURSOR:
      if (m_bLink) ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_MOUSEMOVE:
      if (!m_bTracking) m_bTracking = RequestHoverTracking(m_hWnd);
      break;
    case WM_MOUSEHOVER:
      m_bHover = TRUE;
      ::InvalidateRect(m_hWnd, nullptr, FALSE);
      return 0;
    case WM_MOUSELEAVE:
      m_bHover = FALSE;
      m_bTracking = FALSE;
      ::InvalidateRect(m_hWnd, nullptr, FALSE);
      return 0;
    default:
      break;
  }
  return fw::CStatic::WindowProc(msg, wParam, lParam);
}
