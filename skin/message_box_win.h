// The application-wide skinned message box: a skinned dialog whose size follows the
// text, with image buttons for OK; OK and Cancel; Yes and No.
#pragma once

#include <windows.h>

#include <string>

#include "skin/btn_ex_win.h"
#include "skin/dlg_ex_win.h"

// Template of the message box (an empty popup; the box sizes itself).
constexpr UINT IDD_SKIN_MSGBOX = 130;

class CMessageBox : public CDlgEx {
 public:
  explicit CMessageBox(fw::CWnd* parent = nullptr);
  ~CMessageBox() override;

  BOOL OnInitDialog() override;
  // Enter and Escape do not close the box.
  void OnOK() override {}
  void OnCancel() override {}

  HBITMAP m_hbmBack = nullptr;   // handed to SetSkin, which owns it from then on
  HBITMAP m_hbmClose = nullptr;
  HBITMAP m_hbmBtn1 = nullptr;
  HBITMAP m_hbmBtn2 = nullptr;
  std::wstring m_strText;
  std::wstring m_strCaption;
  UINT m_nType = 0;
  int m_nLines = 1;
  HFONT m_pFont = nullptr;
  COLORREF m_clrText = RGB(0, 0, 0);
  CBtnEx m_btn1;
  CBtnEx m_btn2;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  SIZE MeasureText(HDC dc) const;
  void CreateButton(CBtnEx& btn, const RECT& rc, int id, HBITMAP face);
  void DrawMessage();
};

// type: MB_OK (0), MB_OKCANCEL (1) or MB_YESNO (4); other values show OK alone.
// Returns the dialog's result (IDOK, IDCANCEL, IDYES, IDNO), or 0 when no box could be shown.
int SkinMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);
