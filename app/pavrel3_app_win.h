// The application object: decides the run mode at start and dispatches to its role.
#pragma once

#include <windows.h>

#include <string>

#include "fw/app_win.h"

class CPavrel3App : public fw::CWinApp {
 public:
  CPavrel3App();

  BOOL InitInstance() override;
  int ExitInstance() override;

  // The GDI+ token of the start-up (0 until GDI+ has been started).
  ULONG_PTR m_gdiplusToken = 0;
  // Address of the new executable, filled by the update check.
  wchar_t m_szUpdAddr[512] = {};
  // Manual-reset events of the report thread: it has copied its arguments; it is done.
  HANDLE m_hEventCopied = nullptr;
  HANDLE m_hEventDone = nullptr;
  // A report thread was started; only then is m_hEventDone ever set.
  bool m_bReportStarted = false;
  // Used only in a game-tab process.
  std::wstring m_strPageUrl;
  std::wstring m_strPageTitle;

 private:
  bool m_bOleStarted = false;
  BOOL RunGameFrameSetup(int mode);
  void RunHostWindow(int mode);
};

CPavrel3App& TheApp();

// Process-wide values of a game-tab process, from the command line.
extern HWND g_hHostWnd;
extern int g_nTabIndex;

// The run mode (0 to 7); for modes 6 and 7 it also sets g_hHostWnd and g_nTabIndex.
int GetRunMode();

// Starts a program (null: the running executable) with its path alone as command line,
// at idle priority. Returns at once; a failure is not reported.
void LaunchProgram(const wchar_t* path);
