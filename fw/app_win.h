// The application object: one static instance per program, started by AfxWinMain.
#pragma once

#include "fw/wnd_win.h"

namespace fw {

class CWinApp {
 public:
  CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;
  virtual ~CWinApp();

  // TRUE: run the message loop; FALSE: the process ends (ExitInstance still runs).
  virtual BOOL InitInstance() { return TRUE; }
  // Returns the process exit code.
  virtual int ExitInstance() { return m_nExitCode; }
  // The application's message loop with pre-translation, until WM_QUIT.
  virtual int Run();
  // Filters a message through the target window chain; TRUE: handled.
  virtual BOOL PreTranslateMessage(MSG* msg) { return PreTranslateChain(msg); }

  CWnd* m_pMainWnd = nullptr;
  HINSTANCE m_hInstance = nullptr;
  int m_nExitCode = 0;
};

CWinApp* AfxGetApp();

// The program's entry: InitInstance, Run when it answered TRUE, ExitInstance.
int AfxWinMain(HINSTANCE instance);

}  // namespace fw
