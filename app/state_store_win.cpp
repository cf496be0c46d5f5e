#include "app/state_store_win.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <vector>


namespace {

const size_t kMaxPath = 260;

std::wstring ReadProfileValue(const std::wstring& file, const wchar_t* key, const wchar_t* def) {
  wchar_t buf[velmo::kSettingsValueChars] = {};
  ::GetPrivateProfileStringW(kSettingsSection, key, def, buf, velmo::kSettingsValueChars,
                             file.c_str());
  return buf;
}

// Opens (creating when missing, also for a read) the state key; null on failure.
HKEY OpenStateKey(REGSAM access) {
  HKEY key = nullptr;
  if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kStateKeyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        access, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return nullptr;
  }
  return key;
}

bool ReadBinary(const wchar_t* name, BYTE* buf, DWORD size) {
  HKEY key = OpenStateKey(KEY_READ);
  if (!key) return false;
  DWORD got = size;
  LONG rc = ::RegQueryValueExW(key, name, nullptr, nullptr, buf, &got);
  ::RegCloseKey(key);
  return rc == ERROR_SUCCESS;
}

void WriteBinary(const wchar_t* name, const BYTE* data, DWORD size) {
  HKEY key = OpenStateKey(KEY_WRITE);
  if (!key) return;
  ::RegSetValueExW(key, name, 0, REG_BINARY, data, size);
  ::RegCloseKey(key);
}

}  // namespace

std::wstring ShellFolderPath(int csidl) {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, folder))) return {};
  return folder;
}

std::wstring InstallFolder() {
  std::wstring folder = ShellFolderPath(CSIDL_COMMON_APPDATA);
  if (folder.empty()) return {};
  return folder + L"\\Velmo\\GameLogin";
}

std::wstring GetExePath() {
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) return std::wstring(buf.data(), n);
    if (buf.size() >= 32768) return {};
    buf.resize(buf.size() * 2);
  }
}

std::wstring ExePathFor(const wchar_t* name) {
  std::wstring path = GetExePath();
  if (!name) return path.size() < kMaxPath ? path : std::wstring();
  size_t slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return {};
  path.resize(slash + 1);
  path += name;
  return path.size() < kMaxPath ? path : std::wstring();
}

BOOL GetExePathFor(const wchar_t* name, wchar_t* out) {
  std::wstring path = ExePathFor(name);
  out[0] = L'\0';
  if (path.empty()) return FALSE;
  path.copy(out, path.size());
  out[path.size()] = L'\0';
  return TRUE;
}

std::wstring InstallSettingsPath() {
  std::wstring folder = InstallFolder();
  return folder.empty() ? folder : folder + L"\\" + kSettingsFileName;
}

std::uint32_t IncrementCounter(const wchar_t* key) {
  std::wstring file = InstallSettingsPath();
  if (file.empty()) return velmo::NextCounterValue(L"");  // nowhere to keep it
  std::uint32_t value = velmo::NextCounterValue(ReadProfileValue(file, key, L"0"));
  ::WritePrivateProfileStringW(kSettingsSection, key, velmo::FormatCounter(value).c_str(),
                               file.c_str());
  return value;
}

velmo::HotKey ReadHotKeyValue(const wchar_t* key, const wchar_t* defaultValue) {
  return velmo::ParseHotKeyValue(ReadProfileValue(ExePathFor(kSettingsFileName), key, defaultValue));
}

void WriteHotKeyValue(const wchar_t* key, const velmo::HotKey& hk) {
  std::wstring file = ExePathFor(kSettingsFileName);
  if (file.empty()) return;
  ::WritePrivateProfileStringW(kSettingsSection, key, velmo::FormatHotKeyValue(hk).c_str(),
                               file.c_str());
}

velmo::UtcTime ReadUpdTime() {
  BYTE buf[16] = {};
  if (!ReadBinary(L"UpdTime", buf, sizeof(buf))) return velmo::UtcTime{};
  return velmo::DecodeUpdTime(buf, sizeof(buf));
}

velmo::UtcTime CurrentUtcTime() {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  velmo::UtcTime t;
  t.year = now.wYear;
  t.month = now.wMonth;
  t.dayOfWeek = now.wDayOfWeek;
  t.day = now.wDay;
  t.hour = now.wHour;
  t.minute = now.wMinute;
  t.second = now.wSecond;
  t.milliseconds = now.wMilliseconds;
  return t;
}

bool StateKeyOpens() {
  HKEY key = OpenStateKey(KEY_READ);
  if (!key) return false;
  ::RegCloseKey(key);
  return true;
}

void WriteUpdTime() {
  auto bytes = velmo::EncodeUpdTime(CurrentUtcTime());
  WriteBinary(L"UpdTime", bytes.data(), static_cast<DWORD>(bytes.size()));
}

std::uint32_t ReadDisableDays() {
  BYTE buf[4] = {};
  if (!ReadBinary(L"DisableDays", buf, sizeof(buf))) return 0;
  return velmo::DisableDaysFromBytes(buf, sizeof(buf));
}

void DrawAndWriteDisableDays() {
  // The generator is the process's own, never seeded: the draws of a fresh process.
  static velmo::CrtRandom generator;
  std::uint32_t ms = CurrentUtcTime().milliseconds;
  std::uint32_t r1 = static_cast<std::uint32_t>(generator.Next());
  std::uint32_t r2 = static_cast<std::uint32_t>(generator.Next());
  auto bytes = velmo::DisableDaysBytes(velmo::DrawDisableDays(ms, r1, r2));
  WriteBinary(L"DisableDays", bytes.data(), static_cast<DWORD>(bytes.size()));
}

void DeleteStateKey() { ::SHDeleteKeyW(HKEY_LOCAL_MACHINE, kStateKeyPath); }
