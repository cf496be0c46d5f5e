#include "net/prgs_dlg_win.h"

#include "skin/png_resource_win.h"

namespace {
// Posted by the waiter thread when the download thread has ended.
const UINT kMsgDownloadEnded = WM_APP + 0x156;
// How long a cancel lets an aborted transfer take to return before it stops it by force.
const DWORD kAbortGraceMs = 5000;
}  // namespace

CPrgsDlg::CPrgsDlg() : CDlgEx(IDD) {}

CPrgsDlg::~CPrgsDlg() {
  if (m_hDownloadThread || m_hWaiterThread) {
    AbortHttpTransfer(&m_transfer);
    if (m_hDownloadThread && !WaitForThread(m_hDownloadThread, kAbortGraceMs)) {
      ::TerminateThread(m_hDownloadThread, 1);
    }
    if (m_hWaiterThread && !WaitForThread(m_hWaiterThread, kAbortGraceMs)) {
      ::TerminateThread(m_hWaiterThread, 1);
    }
    CloseThreadHandles();
  }
}

void CPrgsDlg::DoDataExchange() { m_progress.SubclassDlgItem(IDC_PROGRESS, this); }

BOOL CPrgsDlg::OnInitDialog() {
  CDlgEx::OnInitDialog();
  m_bEnding = false;
  m_transfer.Reset();
  SetSkinMetrics(30, 4, 0, 0, 0);
  SetCaptionText(L"版本更新中...");
  HMODULE module = ::GetModuleHandleW(nullptr);
  m_bmpClose.Reset(LoadPngResource(module, IDP_BTN_CLOSE));
  SetSkin(m_bmpClose.Get(), nullptr, LoadPngResource(module, IDP_DLG_BACK), FALSE, TRUE);

  RECT desktop{}, rc{};
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  ::GetWindowRect(m_hWnd, &rc);
  int w = rc.right - rc.left, h = rc.bottom - rc.top;
  ::SetWindowPos(m_hWnd, nullptr, desktop.left + (desktop.right - desktop.left - w) / 2,
                 desktop.top + (desktop.bottom - desktop.top - h) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  m_progress.SetImages(LoadPngResource(module, IDP_PROGRESS_TRACK),
                       LoadPngResource(module, IDP_PROGRESS_FILL));
  m_progress.SetRange32(0, 100);

  m_hDownloadThread = ::CreateThread(nullptr, 0, &DownloadThread, this, 0, nullptr);
  if (m_hDownloadThread) m_hWaiterThread = ::CreateThread(nullptr, 0, &WaiterThread, this, 0, nullptr);
  // Without a waiter nobody would end the dialog: decide now.
  if (!m_hWaiterThread) OnCancel();
  return TRUE;
}

DWORD WINAPI CPrgsDlg::DownloadThread(void* param) {
  auto* dlg = static_cast<CPrgsDlg*>(param);
  try {
    HttpGetOptions options;
    options.bOperatorOnly = true;
    options.nBlockSize = 512;
    options.hProgressBar = dlg->GetDlgItem(IDC_PROGRESS);
    options.pTransfer = &dlg->m_transfer;
    HttpGetToFile(dlg->m_szAddress, dlg->m_szTargetPath, options);
  } catch (...) {
    dlg->m_transfer.bSuccess = false;
  }
  return 0;
}

DWORD WINAPI CPrgsDlg::WaiterThread(void* param) {
  auto* dlg = static_cast<CPrgsDlg*>(param);
  ::WaitForSingleObject(dlg->m_hDownloadThread, INFINITE);
  ::PostMessageW(dlg->m_hWnd, kMsgDownloadEnded, 0, 0);
  return 0;
}

bool CPrgsDlg::WaitForThread(HANDLE thread, DWORD milliseconds) {
  DWORD start = ::GetTickCount();
  for (;;) {
    DWORD elapsed = ::GetTickCount() - start;
    if (elapsed >= milliseconds) return ::WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
    DWORD rc = ::MsgWaitForMultipleObjects(1, &thread, FALSE, milliseconds - elapsed, QS_SENDMESSAGE);
    if (rc == WAIT_OBJECT_0) return true;
    if (rc != WAIT_OBJECT_0 + 1) return ::WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
    MSG msg;
    ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void CPrgsDlg::CloseThreadHandles() {
  if (m_hDownloadThread) ::CloseHandle(m_hDownloadThread);
  if (m_hWaiterThread) ::CloseHandle(m_hWaiterThread);
  m_hDownloadThread = m_hWaiterThread = nullptr;
}

void CPrgsDlg::Finish(INT_PTR result) {
  // The waiter ends right after its post; both handles are closed here, once.
  if (m_hWaiterThread) WaitForThread(m_hWaiterThread, INFINITE);
  CloseThreadHandles();
  EndDialog(result);
}

void CPrgsDlg::OnCancel() {
  if (m_bEnding) return;
  m_bEnding = true;
  // Closing the transfer's handles makes a blocked request or read return at once;
  // a worker that still does not end is stopped by force.
  AbortHttpTransfer(&m_transfer);
  if (m_hDownloadThread && !WaitForThread(m_hDownloadThread, kAbortGraceMs)) {
    ::TerminateThread(m_hDownloadThread, 1);
    AbortHttpTransfer(&m_transfer);
  }
  if (m_hWaiterThread && !WaitForThread(m_hWaiterThread, kAbortGraceMs)) {
    ::TerminateThread(m_hWaiterThread, 1);
  }
  CloseThreadHandles();
  EndDialog(IDCANCEL);
}

LRESULT CPrgsDlg::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kMsgDownloadEnded) {
    if (!m_bEnding) {
      m_bEnding = true;
      Finish(m_transfer.bSuccess.load() ? IDOK : IDCANCEL);
    }
    return 0;
  }
  return CDlgEx::WindowProc(msg, wParam, lParam);
}
