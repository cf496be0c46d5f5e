// The settings file "Statistic.ini" (section "Rendo") and the registry key
// HKEY_LOCAL_MACHINE "Software\Velmo\GameLogin\Rendo". No cache: every read goes to the
// file or the registry, every write is immediate.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/state_values.h"

inline constexpr wchar_t kSettingsFileName[] = L"Statistic.ini";
inline constexpr wchar_t kSettingsSection[] = L"Rendo";
inline constexpr wchar_t kStateKeyPath[] = L"Software\\Velmo\\GameLogin\\Rendo";

// A shell folder (CSIDL_...) as a path; empty when the system has none.
std::wstring ShellFolderPath(int csidl);

// The installation folder: the machine-wide application-data folder + "\Velmo\GameLogin";
// empty when the system has no such folder.
std::wstring InstallFolder();

// The running executable's full path (empty when it cannot be read).
std::wstring GetExePath();
// The executable's folder (cut after its last backslash) followed by name; with a null
// name the executable's own path. out holds 260 characters. Returns 1, or 0 with an
// empty out when the path holds no backslash or the result does not fit.
BOOL GetExePathFor(const wchar_t* name, wchar_t* out);
std::wstring ExePathFor(const wchar_t* name);  // the same, empty on failure

// "Statistic.ini" of the installation folder (the usage counters' file).
std::wstring InstallSettingsPath();

// Reads a counter of the installation folder's settings file, adds one and writes it
// back; returns the new value.
std::uint32_t IncrementCounter(const wchar_t* key);

// Hot keys ("ShortKey", "AltWndKey", "SndKey") of the settings file beside the
// executable. defaultValue applies only when the key is missing.
velmo::HotKey ReadHotKeyValue(const wchar_t* key, const wchar_t* defaultValue);
void WriteHotKeyValue(const wchar_t* key, const velmo::HotKey& hk);

// The current time in UTC (GetSystemTime).
velmo::UtcTime CurrentUtcTime();

// Registry values. StateKeyOpens: the key can be opened (created) for reading.
bool StateKeyOpens();
velmo::UtcTime ReadUpdTime();  // year 0 when missing or unreadable
void WriteUpdTime();           // the current UTC time
std::uint32_t ReadDisableDays();  // 0 when missing or unreadable
void DrawAndWriteDisableDays();
void DeleteStateKey();
