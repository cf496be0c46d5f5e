// The text label of the skinned windows: text drawn over the parent's skin in the face
// "微软雅黑", wrapped by measured width, growing downward when it needs more lines,
// with an optional picture on its left, a hover colour and a hand cursor.
#pragma once

#include <windows.h>

#include <string>

#include "fw/controls_win.h"
#include "fw/handles_win.h"

class CStaticEx : public fw::CStatic {
 public:
  CStaticEx() = default;

  void PreSubclassWindow() override;
  // One picture (the bitmap stays the caller's); FALSE for NULL.
  BOOL SetImage(HBITMAP bitmap);
  virtual int DrawLabelText(HDC dc);

  std::wstring m_strText;
  int m_nFontWidth = 0;
  int m_nFontWeight = -1;
  int m_nFontHeight = 0;
  BOOL m_bLink = FALSE;
  BOOL m_bUnderline = FALSE;
  fw::CFont m_font;
  COLORREF m_clrNormal = RGB(0, 0, 0);
  COLORREF m_clrHover = RGB(0, 0, 0);
  int m_nLineGap = 3;
  BOOL m_bHoverColor = FALSE;
  BOOL m_bHover = FALSE;
  BOOL m_bTracking = FALSE;
  fw::CImageList m_imgList;
  int m_nImgWidth = 0;
  int m_nImgHeight = 0;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void EnsureFont();
  void Paint();
};
