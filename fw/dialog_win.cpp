#include "fw/dialog_win.h"

#include "fw/app_win.h"

namespace fw {

INT_PTR CALLBACK FrameworkDlgProc(HWND wnd, UINT msg, WPARAM, LPARAM) {
  // The dialog window itself is subclassed by its object; the dialog procedure only
  // answers WM_INITDIALOG, whose result decides the initial focus.
  if (msg == WM_INITDIALOG) {
    auto* dlg = dynamic_cast<CDialog*>(CWnd::FromHandle(wnd));
    if (!dlg) return TRUE;
    // No exception may unwind through the system's dialog manager.
    try {
      return dlg->OnInitDialog();
    } catch (...) {
      return TRUE;
    }
  }
  return FALSE;
}

HWND CDialog::OwnerHwnd() const {
  if (m_hParent) return m_hParent;
  if (m_pParentWnd) return m_pParentWnd->m_hWnd;
  return nullptr;
}

BOOL CDialog::CreateFromTemplate(HWND owner) {
  if (m_hWnd) return FALSE;
  HINSTANCE inst = AfxGetInstanceHandle();
  HRSRC res = ::FindResourceW(inst, MAKEINTRESOURCEW(m_nIDTemplate), RT_DIALOG);
  if (!res) return FALSE;
  HGLOBAL loaded = ::LoadResource(inst, res);
  auto* tmpl = loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
  if (!tmpl) return FALSE;

  return CreateDialogBound(tmpl, owner, &FrameworkDlgProc);
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_nIDTemplate = templateId;
  m_pParentWnd = parent;
  m_bModal = false;
  return CreateFromTemplate(OwnerHwnd());
}

BOOL CDialog::Create(UINT templateId, HWND parent) {
  m_nIDTemplate = templateId;
  m_hParent = parent;
  m_bModal = false;
  return CreateFromTemplate(parent);
}

INT_PTR CDialog::DoModal() {
  HWND owner = OwnerHwnd();
  // Like the system's modal dialogs, the owner is the top-level window of a child.
  while (owner && (::GetWindowLongPtrW(owner, GWL_STYLE) & WS_CHILD)) owner = ::GetParent(owner);
  m_bModal = true;
  m_bEnded = false;
  m_nModalResult = -1;
  if (!CreateFromTemplate(owner)) return -1;

  bool ownerDisabled = false;
  if (owner && ::IsWindowEnabled(owner)) {
    ::EnableWindow(owner, FALSE);
    ownerDisabled = true;
  }
  if (!m_bEnded) ::ShowWindow(m_hWnd, SW_SHOW);

  MSG msg;
  while (!m_bEnded && m_hWnd) {
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave the quit for the outer loop
      break;
    }
    if (got < 0) break;
    if (!PreTranslateChain(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }

  // Re-enable the owner before the dialog goes so that activation returns to it.
  if (ownerDisabled) ::EnableWindow(owner, TRUE);
  if (m_hWnd) {
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                   SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    if (owner && ::GetActiveWindow() == m_hWnd) ::SetActiveWindow(owner);
    ::DestroyWindow(m_hWnd);
  }
  m_bModal = false;
  return m_nModalResult;
}

void CDialog::EndDialog(INT_PTR result) {
  m_nModalResult = result;
  if (m_bModal) {
    m_bEnded = true;
    // Wake the modal loop in case the end came from outside a message.
    if (m_hWnd) ::PostMessageW(m_hWnd, WM_NULL, 0, 0);
  } else if (m_hWnd) {
    ::DestroyWindow(m_hWnd);
  }
}

BOOL CDialog::OnInitDialog() {
  DoDataExchange();
  return TRUE;
}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
  if (CWnd::PreTranslateMessage(msg)) return TRUE;
  // Keyboard navigation of the dialog (Tab, Enter, Escape, arrows, mnemonics).
  if (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) {
    return ::IsDialogMessageW(m_hWnd, msg);
  }
  return FALSE;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      if (lParam == 0 || HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
          OnOK();
          return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
          OnCancel();
          return 0;
        }
      }
      break;
    default:
      break;
  }
  return CWnd::WindowProc(msg, wParam, lParam);
}

}  // namespace fw
