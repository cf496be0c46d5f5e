#include "skin/img_progress_win.h"

#include <commctrl.h>

#include "fw/handles_win.h"
#include "skin/btn_ex_win.h"
#include "skin/png_resource_win.h"
#include "skin/progress_geometry.h"

CImgProgress::~CImgProgress() {
  if (m_hbmTrack) ::DeleteObject(m_hbmTrack);
  if (m_hbmFill) ::DeleteObject(m_hbmFill);
}

BOOL CImgProgress::SetImages(HBITMAP track, HBITMAP fill) {
  if (m_hbmTrack && m_hbmTrack != track) ::DeleteObject(m_hbmTrack);
  if (m_hbmFill && m_hbmFill != fill) ::DeleteObject(m_hbmFill);
  m_hbmTrack = track;
  m_hbmFill = fill;
  SIZE t = BitmapSize(track);
  SIZE f = BitmapSize(fill);
  if (m_hWnd) ::SetWindowPos(m_hWnd, nullptr, 0, 0, t.cx, t.cy, SWP_NOMOVE | SWP_NOZORDER);
  m_rcBar = RECT{0, 0, t.cx, t.cy};
  skin::Rect fr = skin::CenteredFillRect(t.cx, t.cy, f.cx, f.cy);
  m_rcFill = RECT{fr.left, fr.top, fr.right, fr.bottom};
  return TRUE;
}

void CImgProgress::Paint() {
  fw::PaintDC paint(m_hWnd);
  const int w = m_rcBar.right - m_rcBar.left;
  const int h = m_rcBar.bottom - m_rcBar.top;
  if (w <= 0 || h <= 0) return;
  SkinCanvas mem(m_hWnd, paint, w, h);

  fw::MemoryDC src(paint);
  if (m_hbmTrack) {
    fw::SelectGuard trackSel(src, m_hbmTrack);
    ::TransparentBlt(mem, 0, 0, w, h, src, 0, 0, w, h, SKIN_KEY_COLOR);
  }
  if (m_hbmFill) {
    PBRANGE range{};
    SendMessage(PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
    const int fw = m_rcFill.right - m_rcFill.left;
    const int fh = m_rcFill.bottom - m_rcFill.top;
    skin::ProgressFill fill = skin::ComputeProgressFill(fw, GetPos(), range.iLow, range.iHigh);
    fw::SelectGuard fillSel(src, m_hbmFill);
    // A zero-width blit fails harmlessly on some systems and draws garbage on none.
    if (fill.leftWidth > 0) {
      ::TransparentBlt(mem, m_rcFill.left, m_rcFill.top, fill.leftWidth, fh, src, 0, 0,
                       fill.leftWidth, fh, SKIN_KEY_COLOR);
    }
    if (fill.rightWidth > 0) {
      ::TransparentBlt(mem, m_rcFill.left + fill.leftWidth, m_rcFill.top, fill.rightWidth, fh, src,
                       fill.rightSrcX, 0, fill.rightWidth, fh, SKIN_KEY_COLOR);
    }
  }
  mem.Present();
}

LRESULT CImgProgress::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;
    default:
      break;
  }
  return fw::CProgressCtrl::WindowProc(msg, wParam, lParam);
}
