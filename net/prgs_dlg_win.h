// The update progress dialog: downloads the new executable on a worker thread while a
// waiter thread watches it, and ends with IDOK when the whole file has arrived.
#pragma once

#include <windows.h>

#include <atomic>

#include "fw/handles_win.h"
#include "net/http_win.h"
#include "skin/dlg_ex_win.h"
#include "skin/img_progress_win.h"

class CPrgsDlg : public CDlgEx {
 public:
  enum { IDD = 156, IDC_PROGRESS = 1000 };

  CPrgsDlg();
  ~CPrgsDlg() override;

  // Address of the new executable (absolute "http://", operator domains only).
  wchar_t m_szAddress[512] = {};
  // Where the download is written ("NewRendo.exe" beside the executable).
  wchar_t m_szTargetPath[260] = {};
  // Handles of the running download, published for a cancel from the dialog's thread.
  HttpTransfer m_transfer;

  BOOL OnInitDialog() override;
  // Enter must not close the dialog.
  void OnOK() override {}
  // The caption's close button and Escape: stops the download and ends with IDCANCEL.
  void OnCancel() override;

 protected:
  void DoDataExchange() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  static DWORD WINAPI DownloadThread(void* param);
  static DWORD WINAPI WaiterThread(void* param);
  // Waits (dispatching sent messages, as the worker's progress is sent) until a thread
  // has ended or the time is up.
  static bool WaitForThread(HANDLE thread, DWORD milliseconds);
  void CloseThreadHandles();
  void Finish(INT_PTR result);

  CImgProgress m_progress;
  // The caption's close strip: the skin only copies it.
  fw::CBitmap m_bmpClose;
  HANDLE m_hDownloadThread = nullptr;
  HANDLE m_hWaiterThread = nullptr;
  // Set once the end has been decided, by the waiter's message or by a cancel.
  bool m_bEnding = false;
};
