// The image progress bar: a real progress control (position and range) painted from a
// track image and a fill image whose rounded ends both stay visible at any length.
#pragma once

#include <windows.h>

#include "fw/controls_win.h"

class CImgProgress : public fw::CProgressCtrl {
 public:
  CImgProgress() = default;
  ~CImgProgress() override;

  // Takes both bitmaps; the control becomes as large as the track.
  BOOL SetImages(HBITMAP track, HBITMAP fill);

  HBITMAP m_hbmTrack = nullptr;
  HBITMAP m_hbmFill = nullptr;
  RECT m_rcBar{};
  RECT m_rcFill{};

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
};
