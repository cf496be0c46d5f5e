#include "net/update_win.h"

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <vector>

#include "app/operator_settings.h"
#include "app/pavrel3_app_win.h"
#include "app/run_mode.h"
#include "app/state_store_win.h"
#include "lifecycle/statistics.h"
#include "net/file_digest_win.h"
#include "net/http_address.h"
#include "net/http_win.h"
#include "net/prgs_dlg_win.h"
#include "net/release_key.h"

namespace {

// The key of the last successful configuration fetch: the release that m_szUpdAddr names.
std::string g_strPublishedKey;

std::string Narrow(const std::wstring& ascii) { return std::string(ascii.begin(), ascii.end()); }

// A value of section "VerKey"; empty when missing or longer than maxChars.
std::wstring ReadConfigValue(const std::wstring& file, const wchar_t* key, size_t maxChars) {
  std::vector<wchar_t> buf(2048, L'\0');
  DWORD n = ::GetPrivateProfileStringW(L"VerKey", key, L"", buf.data(),
                                       static_cast<DWORD>(buf.size()), file.c_str());
  if (n > maxChars) return {};
  return std::wstring(buf.data(), n);
}

// The key in the ANSI code page; empty when it does not fit 63 bytes.
std::string ToAnsiKey(const std::wstring& key) {
  if (key.empty()) return {};
  char buf[velmo::kMaxKeyChars + 1] = {};
  int n = ::WideCharToMultiByte(CP_ACP, 0, key.c_str(), static_cast<int>(key.size()), buf,
                                static_cast<int>(velmo::kMaxKeyChars), nullptr, nullptr);
  return n > 0 ? std::string(buf, n) : std::string();
}

std::string LocalReleaseKey() {
  wchar_t digest[64] = {};
  FileDigestText(GetExePath().c_str(), digest);
  return velmo::ReleaseKey(Narrow(digest), Narrow(velmo::kLauncherVersion));
}

void DeleteAtRestart(const std::wstring& path) {
  ::MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
}

// Renames the running executable away and the download into its place. When the second
// rename fails the first is undone, so that the executable's path never stays empty.
void SwapExecutables(const std::wstring& exe, const std::wstring& newExe, const std::wstring& oldExe) {
  BOOL movedAway = ::MoveFileExW(exe.c_str(), oldExe.c_str(), MOVEFILE_REPLACE_EXISTING);
  if (::MoveFileExW(newExe.c_str(), exe.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    DeleteAtRestart(oldExe);
    return;
  }
  if (movedAway) ::MoveFileExW(oldExe.c_str(), exe.c_str(), MOVEFILE_REPLACE_EXISTING);
  DeleteAtRestart(newExe);
}

}  // namespace

bool IsDisabledWeekday(int weekday) { return velmo::IsWeekdayDisabled(ReadDisableDays(), weekday); }

bool IsUpdateDue() {
  // Without the key no date can be kept, so the check would run at every start.
  if (!StateKeyOpens()) return false;
  return velmo::IsUpdateDueAt(ReadUpdTime(), CurrentUtcTime(), ReadDisableDays());
}

BOOL FetchUpdateConfig(std::string* key) {
  key->clear();
  std::wstring file = ExePathFor(L"ConfigRendo.htm");
  if (file.empty()) return FALSE;
  std::wstring address = velmo::Operator().updateHost + L"/update/ConfigRendo.htm";
  HttpGetOptions options;
  options.bSkipScheme = false;
  options.nBlockSize = 512;
  if (!HttpGetToFile(address.c_str(), file.c_str(), options)) return FALSE;

  std::wstring rendo = ReadConfigValue(file, L"Rendo", velmo::kMaxKeyChars);
  std::wstring updAddr = ReadConfigValue(file, L"UpdAddr", velmo::kMaxUpdAddrChars);
  CPavrel3App& app = TheApp();
  std::fill(std::begin(app.m_szUpdAddr), std::end(app.m_szUpdAddr), L'\0');
  updAddr.copy(app.m_szUpdAddr, velmo::kMaxUpdAddrChars);
  ::DeleteFileW(file.c_str());
  *key = ToAnsiKey(rendo);
  g_strPublishedKey = *key;
  return TRUE;
}

int CheckForUpdate(BOOL unconditional) {
  if (!unconditional) {
    int mode = GetRunMode();
    if (mode == velmo::kModeInstall || mode == velmo::kModeZuraV || mode == velmo::kModeUninstall ||
        mode == velmo::kModeGameTab) {
      return 0;
    }
    if (!IsUpdateDue()) return 0;
  }
  std::string published;
  FetchUpdateConfig(&published);
  if (published.empty()) return 0;
  return velmo::KeysEqual(published, LocalReleaseKey()) ? 0 : 1;
}

BOOL RunUpdate() {
  std::wstring newExe = ExePathFor(L"NewRendo.exe");
  std::wstring oldExe = ExePathFor(L"OldRendo.exe");
  std::wstring exe = GetExePath();
  if (newExe.empty() || oldExe.empty() || exe.empty()) return FALSE;

  CPrgsDlg dlg;
  wcsncpy(dlg.m_szAddress, TheApp().m_szUpdAddr, 511);
  newExe.copy(dlg.m_szTargetPath, 259);
  if (dlg.DoModal() != IDOK) {
    DeleteAtRestart(newExe);
    return FALSE;
  }
  // Only the published release may replace the launcher: an error page served with a
  // length, or a corrupted download, would leave a launcher that cannot start.
  wchar_t digest[64] = {};
  if (!FileDigestText(newExe.c_str(), digest) ||
      !velmo::IsPublishedRelease(g_strPublishedKey, Narrow(digest))) {
    DeleteAtRestart(newExe);
    return FALSE;
  }
  SwapExecutables(exe, newExe, oldExe);
  return TRUE;
}

void StartUpdateProcess() {
  std::wstring commandLine = L"\"" + GetExePath() + L"\" /update";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi{};
  std::vector<wchar_t> buf(commandLine.begin(), commandLine.end());
  buf.push_back(L'\0');
  if (::CreateProcessW(nullptr, buf.data(), nullptr, nullptr, FALSE, IDLE_PRIORITY_CLASS, nullptr,
                       nullptr, &si, &pi)) {
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
  }
}
