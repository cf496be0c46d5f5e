#include "skin/btn_ex_win.h"

#include <commctrl.h>

#include "fw/handles_win.h"
#include "skin/png_resource_win.h"

void PaintParentSkin(HWND child, HDC dc) {
  HWND parent = ::GetParent(child);
  if (!parent) return;
  RECT rc{}, rp{};
  ::GetWindowRect(child, &rc);
  ::GetWindowRect(parent, &rp);
  POINT old{};
  ::OffsetWindowOrgEx(dc, rc.left - rp.left, rc.top - rp.top, &old);
  ::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  ::SetWindowOrgEx(dc, old.x, old.y, nullptr);
}

SkinCanvas::SkinCanvas(HWND control, HDC target, int w, int h)
    : target_(target),
      w_(w),
      h_(h),
      mem_(target),
      bitmap_(::CreateCompatibleBitmap(target, w, h)),
      select_(mem_, bitmap_.Get()) {
  fw::SavedDC saved(mem_);
  PaintParentSkin(control, mem_);
}

BOOL RequestHoverTracking(HWND wnd) {
  TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof(tme);
  tme.dwFlags = TME_HOVER | TME_LEAVE;
  tme.hwndTrack = wnd;
  tme.dwHoverTime = 10;
  return ::_TrackMouseEvent(&tme);
}

BOOL BuildFaceList(fw::CImageList& list, HBITMAP strip, int frames) {
  list.DeleteImageList();
  SIZE size = BitmapSize(strip);
  const int fw = skin::FrameWidth(size.cx, frames);
  if (fw <= 0 || size.cy <= 0) return FALSE;
  if (!list.Create(fw, size.cy, ILC_COLOR24 | ILC_MASK, frames, 0)) return FALSE;
  // The system blackens the key pixels of the bitmap it is given; a copy keeps the
  // caller's strip (kept to rebuild faces later) intact.
  HDC screen = ::GetDC(nullptr);
  fw::CBitmap copy(::CreateCompatibleBitmap(screen, size.cx, size.cy));
  {
    fw::MemoryDC src(screen), dst(screen);
    fw::SelectGuard s(src, strip);
    fw::SelectGuard d(dst, copy.Get());
    ::BitBlt(dst, 0, 0, size.cx, size.cy, src, 0, 0, SRCCOPY);
  }
  ::ReleaseDC(nullptr, screen);
  return copy && list.Add(copy.Get(), SKIN_KEY_COLOR) >= 0;
}

void CBtnEx::TakeOverWindow() {
  if (!m_hWnd) return;
  LONG_PTR style = ::GetWindowLongPtrW(m_hWnd, GWL_STYLE);
  if ((style & BS_TYPEMASK) != BS_OWNERDRAW) {
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, (style & ~LONG_PTR(BS_TYPEMASK)) | BS_OWNERDRAW);
  }
  std::wstring text = GetWindowText();
  if (!text.empty()) m_strText = text;
  ::GetWindowRect(m_hWnd, &m_rcWnd);
}

void CBtnEx::PreSubclassWindow() { TakeOverWindow(); }

BOOL CBtnEx::SetImage(HBITMAP strip, BOOL resize) {
  BuildFaceList(m_imgList, strip, 4);
  if (resize && m_hWnd && m_imgList) {
    SIZE size = BitmapSize(strip);
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, skin::FrameWidth(size.cx, 4), size.cy,
                   SWP_NOMOVE | SWP_NOZORDER);
  }
  if (m_hWnd) ::GetWindowRect(m_hWnd, &m_rcWnd);
  return TRUE;
}

void CBtnEx::SetTooltip(const wchar_t* text) {
  m_strTip = text ? text : L"";
  m_bTipOn = TRUE;
  if (!m_tip.IsWindow() && m_hWnd) {
    if (m_tip.Create(this, TTS_ALWAYSTIP)) {
      m_tip.AddTool(this, m_strTip.c_str());
      m_tip.SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, 660);
    }
  } else if (m_tip.IsWindow()) {
    m_tip.UpdateTipText(m_strTip.c_str(), this);
  }
}

void CBtnEx::ClearHover() {
  m_bHover = FALSE;
  m_bTracking = FALSE;
}

int CBtnEx::CurrentFrame(UINT itemState) const {
  if (itemState & (ODS_GRAYED | ODS_DISABLED)) return kFrameDisabled;
  if ((itemState & ODS_SELECTED) || m_bPressed) return kFramePressed;
  return m_bHover ? kFrameHover : kFrameNormal;
}

BOOL CBtnEx::PreTranslateMessage(MSG* msg) {
  if (m_bTipOn) m_tip.RelayEvent(msg);
  return fw::CButton::PreTranslateMessage(msg);
}

void CBtnEx::DrawItem(DRAWITEMSTRUCT* dis) {
  const int frame = CurrentFrame(dis->itemState);
  if (frame == kFramePressed) m_bPressed = TRUE;
  // The drawing size is the button's current one, so a button resized by its dialog
  // scales its face instead of leaving part of itself unpainted.
  const int w = dis->rcItem.right - dis->rcItem.left;
  const int h = dis->rcItem.bottom - dis->rcItem.top;
  if (w <= 0 || h <= 0) return;

  SkinCanvas mem(m_hWnd, dis->hDC, w, h);

  IMAGEINFO info{};
  if (m_imgList && ::ImageList_GetImageInfo(m_imgList.GetSafeHandle(), frame, &info)) {
    const int fw = info.rcImage.right - info.rcImage.left;
    const int fh = info.rcImage.bottom - info.rcImage.top;
    if (fw == w && fh == h) {
      m_imgList.Draw(mem, frame, POINT{0, 0}, ILD_TRANSPARENT);
    } else {
      fw::MemoryDC face(dis->hDC);
      fw::CBitmap faceBmp(::CreateCompatibleBitmap(dis->hDC, fw, fh));
      fw::SelectGuard faceSel(face, faceBmp.Get());
      fw::CBrush key(::CreateSolidBrush(SKIN_KEY_COLOR));
      RECT all{0, 0, fw, fh};
      ::FillRect(face, &all, key);
      m_imgList.Draw(face, frame, POINT{0, 0}, ILD_TRANSPARENT);
      ::TransparentBlt(mem, 0, 0, w, h, face, 0, 0, fw, fh, SKIN_KEY_COLOR);
    }
  }

  if (!m_strText.empty()) {
    ::SetBkMode(mem, TRANSPARENT);
    ::SetTextColor(mem, frame == kFrameDisabled ? ::GetSysColor(COLOR_GRAYTEXT) : m_clrText);
    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    fw::SelectGuard fontSel(mem, font);
    RECT client{0, 0, w, h};
    ::DrawTextW(mem, m_strText.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  ::BitBlt(dis->hDC, dis->rcItem.left, dis->rcItem.top, w, h, mem, 0, 0, SRCCOPY);
}

LRESULT CBtnEx::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: {
      // A button created by code has its caption only now.
      LRESULT r = fw::CButton::WindowProc(msg, wParam, lParam);
      TakeOverWindow();
      return r;
    }
    case WM_ERASEBKGND:
      return TRUE;
    case WM_MOUSEMOVE:
      if (!m_bTracking) m_bTracking = RequestHoverTracking(m_hWnd);
      break;
    case WM_MOUSEHOVER:
      m_bHover = TRUE;
      ::InvalidateRect(m_hWnd, nullptr, FALSE);
      if (m_bTipOn) m_tip.UpdateTipText(m_strTip.c_str(), this);
      return 0;
    case WM_MOUSELEAVE:
      m_bHover = FALSE;
      m_bTracking = FALSE;
      ::InvalidateRect(m_hWnd, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: {
      m_bPressed = FALSE;
      LRESULT r = fw::CButton::WindowProc(msg, wParam, lParam);
      // Released off the button the system has nothing to redraw, yet the latch showed
      // the pressed face until now.
      if (::IsWindow(m_hWnd)) ::InvalidateRect(m_hWnd, nullptr, FALSE);
      return r;
    }
    default:
      break;
  }
  return fw::CButton::WindowProc(msg, wParam, lParam);
}
