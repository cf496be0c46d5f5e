// Dialogs from the resource templates: modal with our own loop, or modeless.
#pragma once

#include "fw/wnd_win.h"

namespace fw {

class CDialog : public CWnd {
 public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr)
      : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

  // Runs the dialog modally: the owner is disabled while it runs and the loop filters
  // every message through PreTranslateMessage. Returns the EndDialog result, or -1
  // when the dialog could not be created.
  virtual INT_PTR DoModal();
  // Creates the dialog modelessly.
  BOOL Create(UINT templateId, CWnd* parent = nullptr);
  BOOL Create(UINT templateId, HWND parent);
  void EndDialog(INT_PTR result);

  // Sets the owner window of the next DoModal/Create (a window of another process may
  // own ours, as the game process's login window is owned by the host).
  void SetParentHwnd(HWND parent) { m_hParent = parent; }

  virtual BOOL OnInitDialog();
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }

  BOOL PreTranslateMessage(MSG* msg) override;

  UINT m_nIDTemplate;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Template controls are bound to their objects here (called from OnInitDialog).
  virtual void DoDataExchange() {}

  CWnd* m_pParentWnd;
  HWND m_hParent = nullptr;

 private:
  friend INT_PTR CALLBACK FrameworkDlgProc(HWND, UINT, WPARAM, LPARAM);
  HWND OwnerHwnd() const;
  BOOL CreateFromTemplate(HWND owner);

  bool m_bModal = false;
  bool m_bEnded = false;
  INT_PTR m_nModalResult = -1;
};

}  // namespace fw
