#include "app/pavrel3_app_win.h"

#include <commctrl.h>
#include <gdiplus.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <vector>

#include "app/crash_dump_win.h"
#include "app/operator_settings.h"
#include "app/run_mode.h"
#include "app/state_store_win.h"
#include "app/test_hooks_win.h"
#include "build_settings.h"
#include "game/game_start_win.h"
#include "host/cache_clean_win.h"
#include "host/pavrel3_dlg_win.h"
#include "lifecycle/install_win.h"
#include "lifecycle/statistics.h"
#include "lifecycle/statistics_win.h"
#include "lifecycle/uninstall_win.h"
#include "net/update_win.h"
#include "skin/message_box_win.h"

namespace {

const wchar_t kCaption[] = L"Velmo - Tarvik";
const DWORD kReportGraceMs = 5000;

std::vector<std::wstring> CommandLineArguments() {
  std::vector<std::wstring> args;
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!argv) return args;
  args.assign(argv, argv + count);
  ::LocalFree(argv);
  return args;
}

velmo::RunModeDecision DecideFromProcess() {
  return velmo::DecideRunMode(CommandLineArguments(), GetExePath(), InstallFolder());
}

void WaitForReport(const CPavrel3App& app) {
  if (app.m_bReportStarted && app.m_hEventDone) ::WaitForSingleObject(app.m_hEventDone, INFINITE);
}

std::wstring StatsAddress(const wchar_t* path, const wchar_t* tag) {
  return velmo::ReportBaseAddress(velmo::Operator().statsHost, path, tag);
}

}  // namespace

HWND g_hHostWnd = nullptr;
int g_nTabIndex = 0;

CPavrel3App& TheApp() { return *static_cast<CPavrel3App*>(fw::AfxGetApp()); }

CPavrel3App::CPavrel3App() = default;

namespace {
int ApplyRunMode(const velmo::RunModeDecision& d) {
  if (d.mode == velmo::kModeGameTab || d.mode == velmo::kModeGameHall) {
    g_hHostWnd = reinterpret_cast<HWND>(d.hostWnd);
    g_nTabIndex = d.tabIndex;
  }
  return d.mode;
}
}  // namespace

int GetRunMode() { return ApplyRunMode(DecideFromProcess()); }

void LaunchProgram(const wchar_t* path) {
  std::wstring program = path ? path : GetExePath();
  if (program.empty()) return;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  // The path alone, quoted, and named as the program too: unquoted, a path with a blank
  // ("VelmoTarvik (1).exe") could start another program of the folder.
  std::wstring commandLine = L"\"" + program + L"\"";
  std::vector<wchar_t> buf(commandLine.begin(), commandLine.end());
  buf.push_back(L'\0');
  if (::CreateProcessW(program.c_str(), buf.data(), nullptr, nullptr, FALSE, IDLE_PRIORITY_CLASS,
                       nullptr, nullptr, &si, &pi)) {
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
  }
}

BOOL CPavrel3App::InitInstance() {
  ::SetUnhandledExceptionFilter(&CrashDumpFilter);
#if VELMO_TESTING_BUILD
  LoadTestOverrides();
  RunTestSwitches();
#endif

  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);

  velmo::RunModeDecision decision = DecideFromProcess();
  // A game process started with missing or malformed window arguments has no host to
  // show itself in: it ends before any window exists.
  if (!decision.argumentsValid) return FALSE;
  const int mode = ApplyRunMode(decision);

  m_hEventCopied = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  m_hEventDone = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);

  if (mode == velmo::kModeUninstall) {
    if (SkinMessageBox(nullptr, L"确定要移除 VelmoTarvik极速登录器吗？", kCaption, MB_YESNO) ==
        IDYES) {
      UninstallLauncher();
      WaitForReport(*this);
    }
    return FALSE;
  }

  bool tryUpdate = false;
  if (mode == velmo::kModeUpdate) {
    CheckForUpdate(TRUE);
    tryUpdate = true;
  } else if (mode == velmo::kModeInstall || mode == velmo::kModeShortcut) {
    tryUpdate = CheckForUpdate(FALSE) != 0;
  }
  if (tryUpdate && RunUpdate()) {
    LaunchProgram(nullptr);
    WriteUpdTime();
    return FALSE;
  }

  Gdiplus::GdiplusStartupInput gdiplusInput;
  if (Gdiplus::GdiplusStartup(&m_gdiplusToken, &gdiplusInput, nullptr) != Gdiplus::Ok) {
    m_gdiplusToken = 0;
  }

  if (mode == velmo::kModeInstall) {
    InstallLauncher();
    DrawAndWriteDisableDays();
    ReportEvent(L"Inst", StatsAddress(L"/install.htm", L"rendo"));
    WaitForReport(*this);
    return FALSE;
  }
  if (mode == velmo::kModeZuraV) {
    ::ShellExecuteW(nullptr, L"open", velmo::Operator().lumrixHomeUrl.c_str(), nullptr, nullptr,
                    SW_SHOWMAXIMIZED);
    ReportEvent(L"Velmo", StatsAddress(L"/active.htm", L"vazuzid"));
    WaitForReport(*this);
    return FALSE;
  }
  if (mode == velmo::kModeShortcut || mode == velmo::kModeInstalled) {
    ReportEvent(L"Game", StatsAddress(L"/active.htm", L"rendo"));
  }

  SetCacheLimit();

  if (mode == velmo::kModeGameTab || mode == velmo::kModeGameHall) return RunGameFrameSetup(mode);
  RunHostWindow(mode);
  return FALSE;
}

BOOL CPavrel3App::RunGameFrameSetup(int mode) {
  if (FAILED(::OleInitialize(nullptr))) {
    SkinMessageBox(nullptr, L"初始化OLE库失败", kCaption, MB_OK);
    return FALSE;
  }
  m_bOleStarted = true;
  if (mode == velmo::kModeGameTab && RunLoginWindow(g_hHostWnd) == IDCANCEL) {
    ::PostMessageW(g_hHostWnd, WM_SYSCOMMAND, SC_CLOSE, 7153);
    return FALSE;
  }
  return CreateGameFrame();
}

void CPavrel3App::RunHostWindow(int mode) {
  CPavrel3Dlg dlg(mode);
  m_pMainWnd = &dlg;
  dlg.DoModal();
  m_pMainWnd = nullptr;
}

int CPavrel3App::ExitInstance() {
  // A start report still under way gets a moment to finish instead of being cut off
  // with the process.
  if (m_bReportStarted && m_hEventDone) ::WaitForSingleObject(m_hEventDone, kReportGraceMs);
  if (m_hEventCopied) ::CloseHandle(m_hEventCopied);
  if (m_hEventDone) ::CloseHandle(m_hEventDone);
  m_hEventCopied = m_hEventDone = nullptr;
  if (m_gdiplusToken) Gdiplus::GdiplusShutdown(m_gdiplusToken);
  m_gdiplusToken = 0;
  if (m_bOleStarted) ::OleUninitialize();
  m_bOleStarted = false;
  return fw::CWinApp::ExitInstance();
}
