#include "skin/dlg_ex_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>
#include <string>

#include "skin/dlg_geometry.h"
#include "skin/png_resource_win.h"

namespace {

skin::Rect ToSkin(const RECT& r) { return skin::Rect{r.left, r.top, r.right, r.bottom}; }
RECT ToWin(const skin::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

LRESULT HitCode(skin::Hit hit) {
  switch (hit) {
    case skin::Hit::Caption: return HTCAPTION;
    case skin::Hit::Left: return HTLEFT;
    case skin::Hit::Right: return HTRIGHT;
    case skin::Hit::Top: return HTTOP;
    case skin::Hit::TopLeft: return HTTOPLEFT;
    case skin::Hit::TopRight: return HTTOPRIGHT;
    case skin::Hit::Bottom: return HTBOTTOM;
    case skin::Hit::BottomLeft: return HTBOTTOMLEFT;
    case skin::Hit::BottomRight: return HTBOTTOMRIGHT;
    case skin::Hit::Default: break;
  }
  return HTNOWHERE;
}

RECT WorkArea() {
  RECT wa{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &wa, 0);
  return wa;
}

// The font of a window (WM_GETFONT), or the stock GUI font when it has none.
HFONT FontOf(HWND wnd) {
  HFONT font = reinterpret_cast<HFONT>(::SendMessageW(wnd, WM_GETFONT, 0, 0));
  return font ? font : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

int WidthOf(const CBtnEx& btn) {
  if (!btn.IsWindow()) return 0;
  RECT r = btn.GetWindowRect();
  return r.right - r.left;
}

}  // namespace

CDlgEx::CDlgEx(UINT templateId, fw::CWnd* parent) : fw::CDialog(templateId, parent) {}

CDlgEx::~CDlgEx() {
  if (IsWindow()) ::DestroyWindow(m_hWnd);
}

BOOL CDlgEx::OnInitDialog() {
  fw::CDialog::OnInitDialog();
  LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  style = (style & ~LONG_PTR(WS_CAPTION | DS_MODALFRAME)) | WS_MINIMIZEBOX;
  ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, style);
  LONG_PTR exStyle = ::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE);
  exStyle &= ~LONG_PTR(WS_EX_WINDOWEDGE | WS_EX_DLGMODALFRAME);
  ::SetWindowLongPtrW(m_hWnd, GWL_EXSTYLE, exStyle);
  // Without a frame change the old caption and frame would stay as a non-client area
  // until the next resize, and the skin would be drawn offset inside it.
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  RECT wa = WorkArea();
  m_nMaxWidth = wa.right - wa.left;
  m_nMaxHeight = wa.bottom - wa.top;
  m_rcRestore = ToWin(skin::InitialRestoreRect(ToSkin(wa)));
  return TRUE;
}

void CDlgEx::CreateCaptionButton(CBtnEx& btn, int x, int y, UINT id, HBITMAP strip) {
  SIZE size = BitmapSize(strip);
  RECT rc{x - skin::FrameWidth(size.cx, 4), y, x, y + size.cy};
  btn.ClearHover();
  btn.m_bPressed = FALSE;
  if (!btn.Create(L"", WS_CHILD | WS_VISIBLE, rc, this, id)) return;
  btn.SetImage(strip, TRUE);
}

BOOL CDlgEx::SetSkin(HBITMAP hClose, HBITMAP hMin, HBITMAP hBack, BOOL bSizeToImage,
                     BOOL bStretch, HBITMAP hMax, HBITMAP hRestore) {
  m_bmpBack.Reset(hBack);
  m_bStretch = bStretch;
  SIZE image = BitmapSize(hBack);

  RECT layout = GetClientRect();
  if (bSizeToImage && hBack) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, image.cx, image.cy, SWP_NOMOVE | SWP_NOZORDER);
    layout = RECT{0, 0, image.cx, image.cy};
  }
  UpdateWindowRegion();

  int x = layout.right - m_nBtnRightMargin;
  const int y = m_nBtnTop;
  if (hClose) {
    if (m_btnClose.IsWindow()) m_btnClose.DestroyWindow();
    CreateCaptionButton(m_btnClose, x, y, IDC_SKIN_CLOSE, hClose);
    m_btnClose.SetTooltip(L"关闭");
  }
  if (hMax) {
    x = x - WidthOf(m_btnClose) - m_nBtnGap;
    if (m_btnMax.IsWindow()) m_btnMax.DestroyWindow();
    CreateCaptionButton(m_btnMax, x, y, IDC_SKIN_MAX, hMax);
    m_btnMax.SetTooltip(L"最大化");
    m_bmpMax.Reset(hMax);
  }
  if (hRestore) m_bmpRestore.Reset(hRestore);
  if (hMin) {
    x = x - (m_btnMax.IsWindow() ? WidthOf(m_btnMax) : WidthOf(m_btnClose)) - m_nBtnGap;
    if (m_btnMin.IsWindow()) m_btnMin.DestroyWindow();
    CreateCaptionButton(m_btnMin, x, y, IDC_SKIN_MIN, hMin);
    m_btnMin.SetTooltip(L"最小化");
  }
  return TRUE;
}

void CDlgEx::UpdateWindowRegion() {
  if (!m_bmpBack || !m_hWnd) return;
  RECT wr = GetWindowRect();
  const int W = wr.right - wr.left;
  const int H = wr.bottom - wr.top;
  SIZE image = BitmapSize(m_bmpBack.Get());

  fw::CRgn region(::CreateRectRgn(0, 0, W, H));
  {
    fw::MemoryDC mem(nullptr);
    fw::SelectGuard sel(mem, m_bmpBack.Get());
    auto cut = skin::CornerCutPixels(W, H, image.cx, image.cy, [&mem](int x, int y) {
      return ::GetPixel(mem, x, y) == SKIN_KEY_COLOR;
    });
    for (const skin::Point& p : cut) {
      fw::CRgn pixel(::CreateRectRgn(p.x, p.y, p.x + 1, p.y + 1));
      ::CombineRgn(region, region, pixel, RGN_DIFF);
    }
  }
  // The window owns the region from here on.
  if (::SetWindowRgn(m_hWnd, region.Get(), FALSE)) region.Take();
}

BOOL CDlgEx::DrawSkin(HDC dc) {
  if (!m_bmpBack) return FALSE;
  RECT wr = GetWindowRect();
  const int W = wr.right - wr.left;
  const int H = wr.bottom - wr.top;
  if (W <= 0 || H <= 0) return TRUE;
  SIZE image = BitmapSize(m_bmpBack.Get());

  fw::MemoryDC mem(dc);
  fw::CBitmap canvas(::CreateCompatibleBitmap(dc, W, H));
  fw::SelectGuard canvasSel(mem, canvas.Get());
  {
    fw::MemoryDC src(dc);
    fw::SelectGuard srcSel(src, m_bmpBack.Get());
    ::SetStretchBltMode(mem, COLORONCOLOR);
    for (const skin::SliceBlit& b :
         skin::BackgroundBlits(W, H, image.cx, image.cy, m_nBorder, m_nCaptionHeight, m_bStretch)) {
      if (b.stretch) {
        ::StretchBlt(mem, b.dst.left, b.dst.top, b.dst.Width(), b.dst.Height(), src, b.src.left,
                     b.src.top, b.src.Width(), b.src.Height(), SRCCOPY);
      } else {
        ::BitBlt(mem, b.dst.left, b.dst.top, b.dst.Width(), b.dst.Height(), src, b.src.left,
                 b.src.top, SRCCOPY);
      }
    }
  }

  int iconWidth = 0;
  HICON icon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL));
  if (icon && m_bDrawIcon) {
    skin::TitleLayout t = skin::TitlePosition(m_nBorder, m_nCaptionHeight, 0, true);
    ::DrawIconEx(mem, t.iconX, t.iconY, icon, 16, 16, 0, nullptr, DI_NORMAL);
    iconWidth = 16;
  }
  if (m_bDrawTitle) DrawTitle(mem, iconWidth);

  ::BitBlt(dc, 0, 0, W, H, mem, 0, 0, SRCCOPY);
  return TRUE;
}

void CDlgEx::DrawTitle(HDC dc, int iconWidth) {
  std::wstring text = GetWindowText();
  LOGFONTW lf{};
  ::GetObjectW(FontOf(m_hWnd), sizeof(lf), &lf);
  lf.lfWeight = m_nTitleWeight;
  wcsncpy(lf.lfFaceName, L"微软雅黑", LF_FACESIZE - 1);
  lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
  fw::CFont font(::CreateFontIndirectW(&lf));

  fw::SavedDC saved(dc);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, m_clrTitle);
  fw::SelectGuard fontSel(dc, font.Get());
  skin::TitleLayout t = skin::TitlePosition(m_nBorder, m_nCaptionHeight, lf.lfHeight, iconWidth != 0);
  ::TextOutW(dc, t.textX, t.textY, text.c_str(), static_cast<int>(text.size()));
}

void CDlgEx::SetCaptionText(const wchar_t* text) {
  if (!m_hWnd) return;
  SetWindowText(text ? text : L"");
  LOGFONTW lf{};
  HFONT dlgFont = FontOf(m_hWnd);
  ::GetObjectW(dlgFont, sizeof(lf), &lf);
  HICON icon = reinterpret_cast<HICON>(SendMessage(WM_GETICON, ICON_SMALL));
  skin::TitleLayout t =
      skin::TitlePosition(m_nBorder, m_nCaptionHeight, lf.lfHeight, icon && m_bDrawIcon);
  RECT area{t.textX, t.textY, t.textX, t.textY};
  {
    fw::WindowDC dc(m_hWnd);
    fw::SelectGuard sel(dc, dlgFont);
    ::DrawTextW(dc, text ? text : L"", -1, &area, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  }
  RECT client = GetClientRect();
  area.right = client.right;
  // The title face may be a little taller than the dialog font: take the caption band.
  if (m_nCaptionHeight > area.bottom) area.bottom = m_nCaptionHeight;
  ::InvalidateRect(m_hWnd, &area, TRUE);
}

void CDlgEx::RedrawCaptionButtons() {
  for (CBtnEx* btn : {&m_btnClose, &m_btnMax, &m_btnMin}) {
    if (btn->IsWindow()) ::InvalidateRect(btn->m_hWnd, nullptr, TRUE);
  }
}

void CDlgEx::OnCloseButton() { PostMessage(WM_SYSCOMMAND, SC_CLOSE, 0); }

void CDlgEx::OnMinButton() { PostMessage(WM_SYSCOMMAND, SC_MINIMIZE, 0); }

LRESULT CDlgEx::OnMaxButton() {
  if (m_bMaximized) {
    ::MoveWindow(m_hWnd, m_rcRestore.left, m_rcRestore.top, m_rcRestore.right - m_rcRestore.left,
                 m_rcRestore.bottom - m_rcRestore.top, TRUE);
    UpdateMaxButton(FALSE);
  } else {
    RECT r = ToWin(skin::MaximizedRect(ToSkin(WorkArea()), m_nMaxWidth, m_nMaxHeight));
    ::MoveWindow(m_hWnd, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    UpdateMaxButton(TRUE);
  }
  m_btnMax.ClearHover();
  m_bMaximized = !m_bMaximized;
  return 0;
}

void CDlgEx::UpdateMaxButton(BOOL maximized) {
  if (!m_btnMax.IsWindow()) return;
  BuildFaceList(m_btnMax.m_imgList, maximized ? m_bmpRestore.Get() : m_bmpMax.Get(), 4);
  ::GetWindowRect(m_btnMax.m_hWnd, &m_btnMax.m_rcWnd);
  m_btnMax.SetTooltip(maximized ? L"还原" : L"最大化");
  ::InvalidateRect(m_btnMax.m_hWnd, nullptr, FALSE);
}

void CDlgEx::RelayoutCaptionButtons(int cx) {
  CBtnEx* buttons[3] = {&m_btnClose, &m_btnMax, &m_btnMin};
  std::array<skin::Rect, 3> current{};
  for (int i = 0; i < 3; ++i) {
    if (!buttons[i]->IsWindow()) continue;
    RECT r = buttons[i]->GetWindowRect();
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&r), 2);
    current[i] = ToSkin(r);
  }
  auto moved = skin::RelayoutCaptionButtons(cx - m_nBtnRightMargin, current);
  for (int i = 0; i < 3; ++i) {
    if (!buttons[i]->IsWindow()) continue;
    const skin::Rect& r = moved[i];
    ::MoveWindow(buttons[i]->m_hWnd, r.left, r.top, r.Width(), r.Height(), TRUE);
  }
}

LRESULT CDlgEx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      // Without a background the dialog keeps the system's plain face.
      if (DrawSkin(reinterpret_cast<HDC>(wParam))) return TRUE;
      break;
    case WM_NCHITTEST: {
      POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::ScreenToClient(m_hWnd, &pt);
      RECT cr = GetClientRect();
      skin::Hit hit = skin::HitTest(pt.x, pt.y, cr.right, cr.bottom, m_nBorder, m_nCaptionHeight,
                                    m_bMaximized != FALSE, m_bResizable != FALSE);
      if (hit != skin::Hit::Default) return HitCode(hit);
      break;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
          case IDC_SKIN_CLOSE: OnCloseButton(); return 0;
          case IDC_SKIN_MIN: OnMinButton(); return 0;
          case IDC_SKIN_MAX: OnMaxButton(); return 0;
          default: break;
        }
      }
      break;
    case WM_NCLBUTTONDOWN: {
      LRESULT r = 0;
      if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT) {
        SendMessage(WM_SYSCOMMAND, SC_SIZE + (wParam - HTLEFT + 1), lParam);
      } else {
        r = fw::CDialog::WindowProc(msg, wParam, lParam);
      }
      // The restore rectangle follows the user's last move or resize.
      if (IsWindow()) ::GetWindowRect(m_hWnd, &m_rcRestore);
      return r;
    }
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION && m_bResizable) {
        OnMaxButton();
        return 0;
      }
      break;
    case WM_LBUTTONDBLCLK: {
      const int y = GET_Y_LPARAM(lParam);
      if (m_bMaximized && (m_nCaptionHeight == -1 || (y >= 0 && y < m_nCaptionHeight))) {
        OnMaxButton();
      }
      break;
    }
    case WM_SIZE: {
      LRESULT r = fw::CDialog::WindowProc(msg, wParam, lParam);
      if (m_bmpBack) {
        UpdateWindowRegion();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        RelayoutCaptionButtons(LOWORD(lParam));
      }
      return r;
    }
    default:
      break;
  }
  return fw::CDialog::WindowProc(msg, wParam, lParam);
}
