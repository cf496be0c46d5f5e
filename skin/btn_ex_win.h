// The image button of the skinned windows: one frame of a four-frame strip per state
// (normal, hover, pressed, disabled) over the parent's skin, with an optional centred
// label and tooltip. Clicks are ordinary BN_CLICKED notifications.
#pragma once

#include <windows.h>

#include <string>

#include "fw/controls_win.h"
#include "fw/handles_win.h"

class CBtnEx : public fw::CButton {
 public:
  enum Frame { kFrameNormal = 0, kFrameHover = 1, kFramePressed = 2, kFrameDisabled = 3 };

  CBtnEx() = default;

  // Copies the four faces out of the strip (which stays the caller's); with resize the
  // button becomes one frame large.
  BOOL SetImage(HBITMAP strip, BOOL resize = TRUE);
  void SetTooltip(const wchar_t* text);
  // Forgets hover and tracking, for a button whose window moved away under the pointer.
  void ClearHover();
  // The frame the current state shows.
  int CurrentFrame(UINT itemState) const;

  void PreSubclassWindow() override;
  BOOL PreTranslateMessage(MSG* msg) override;
  void DrawItem(DRAWITEMSTRUCT* dis) override;

  BOOL m_bTracking = FALSE;
  BOOL m_bHover = FALSE;
  RECT m_rcWnd{};
  std::wstring m_strText;
  COLORREF m_clrText = RGB(0, 0, 0);
  fw::CImageList m_imgList;
  BOOL m_bPressed = FALSE;
  BOOL m_bTipOn = FALSE;
  fw::CToolTipCtrl m_tip;
  std::wstring m_strTip;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void TakeOverWindow();
};

// Builds a four-frame image list from a strip, leaving the strip itself untouched.
BOOL BuildFaceList(fw::CImageList& list, HBITMAP strip, int frames);

// Paints the part of a parent's skin that lies behind child into dc (whose origin
// stands for the child's top-left corner), by asking the parent to erase with the
// origin shifted.
void PaintParentSkin(HWND child, HDC dc);

// The off-screen canvas of a skinned control: a w x h memory bitmap that starts with the
// parent's skin behind the control; Present copies it to the target in one blit, so the
// control never flickers.
class SkinCanvas {
 public:
  SkinCanvas(HWND control, HDC target, int w, int h);
  SkinCanvas(const SkinCanvas&) = delete;
  SkinCanvas& operator=(const SkinCanvas&) = delete;
  HDC Get() const { return mem_.Get(); }
  operator HDC() const { return mem_.Get(); }
  void Present() const { ::BitBlt(target_, 0, 0, w_, h_, mem_, 0, 0, SRCCOPY); }

 private:
  HDC target_;
  int w_, h_;
  fw::MemoryDC mem_;
  fw::CBitmap bitmap_;
  fw::SelectGuard select_;
};

// Asks for WM_MOUSEHOVER (after 10 ms) and WM_MOUSELEAVE on a control; TRUE when the
// request is pending.
BOOL RequestHoverTracking(HWND wnd);
