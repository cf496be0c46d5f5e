// The skinned dialog base: a frameless dialog whose whole face is one background image
// (nine-sliced or fixed), with rounded corners cut by the key colour, the icon and
// title on the caption band, up to three caption buttons, dragging, border sizing and
// the launcher's own maximised state.
//
// Set-up in a derived OnInitDialog: call CDlgEx::OnInitDialog, set the appearance
// members, optionally SetCaptionText, load the images and call SetSkin.
#pragma once

#include <windows.h>

#include "fw/dialog_win.h"
#include "fw/handles_win.h"
#include "skin/btn_ex_win.h"

// Control ids of the caption buttons; derived dialogs must not use them.
constexpr UINT IDC_SKIN_CLOSE = 50000;
constexpr UINT IDC_SKIN_MIN = 50001;
constexpr UINT IDC_SKIN_MAX = 50002;

class CDlgEx : public fw::CDialog {
 public:
  explicit CDlgEx(UINT templateId, fw::CWnd* parent = nullptr);
  ~CDlgEx() override;

  BOOL OnInitDialog() override;

  // hBack, hMax and hRestore become the dialog's; hClose and hMin are only copied.
  BOOL SetSkin(HBITMAP hClose, HBITMAP hMin, HBITMAP hBack, BOOL bSizeToImage, BOOL bStretch,
               HBITMAP hMax = nullptr, HBITMAP hRestore = nullptr);
  void SetCaptionText(const wchar_t* text);
  void RedrawCaptionButtons();

  virtual void OnCloseButton();
  virtual void OnMinButton();
  virtual LRESULT OnMaxButton();
  virtual void UpdateMaxButton(BOOL maximized);

  BOOL m_bDrawTitle = TRUE;
  BOOL m_bDrawIcon = TRUE;
  int m_nCaptionHeight = -1;
  int m_nBtnRightMargin = 5;
  int m_nBtnTop = 1;
  int m_nBtnGap = 0;
  int m_nBorder = 3;
  COLORREF m_clrTitle = RGB(255, 255, 255);
  int m_nTitleWeight = FW_NORMAL;
  fw::CBitmap m_bmpBack;
  CBtnEx m_btnClose;
  CBtnEx m_btnMin;
  CBtnEx m_btnMax;
  int m_nMaxWidth = 1440;
  int m_nMaxHeight = 900;
  RECT m_rcRestore{};
  BOOL m_bMaximized = FALSE;
  BOOL m_bResizable = FALSE;
  BOOL m_bStretch = FALSE;
  fw::CBitmap m_bmpMax;
  fw::CBitmap m_bmpRestore;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // The appearance numbers a derived dialog gives before SetSkin.
  void SetSkinMetrics(int captionHeight, int border, int btnRightMargin, int btnTop, int btnGap) {
    m_nCaptionHeight = captionHeight;
    m_nBorder = border;
    m_nBtnRightMargin = btnRightMargin;
    m_nBtnTop = btnTop;
    m_nBtnGap = btnGap;
  }
  void CreateCaptionButton(CBtnEx& btn, int x, int y, UINT id, HBITMAP strip);
  void UpdateWindowRegion();
  // Paints the skin at the logical origin of dc; FALSE when there is no background.
  BOOL DrawSkin(HDC dc);

 private:
  void DrawTitle(HDC dc, int iconWidth);
  void RelayoutCaptionButtons(int cx);
};
