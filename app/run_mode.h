// The run mode: which role a start of the executable plays, decided from its first
// argument and the folder it runs from.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velmo {

enum RunMode : int {
  kModeInstall = 0,    // running from elsewhere: install
  kModeZuraV = 1,      // "/ZuraV": open the sister game hall, count the start
  kModeShortcut = 2,   // "/RendoD": update check, counter, host window
  kModeInstalled = 3,  // running from the installation folder: counter, host window
  kModeUninstall = 4,  // "/uninst"
  kModeUpdate = 5,     // "/update": update unconditionally
  kModeGameTab = 6,    // "/newgm /<host window> /<tab index>"
  kModeGameHall = 7,   // "/gmhall /<host window>"
};

// Longest accepted further arguments, the leading slash included (the sizes of the
// buffers that receive them, less the terminator).
inline constexpr size_t kMaxHandleArgLength = 15;
inline constexpr size_t kMaxIndexArgLength = 7;

struct RunModeDecision {
  int mode = kModeInstall;
  std::intptr_t hostWnd = 0;  // modes 6 and 7
  int tabIndex = 0;           // mode 6
  // False when mode 6 or 7 was chosen but its further arguments are missing or
  // malformed; such a start ends at once without any window.
  bool argumentsValid = true;
};

// args: the whole argument list, args[0] being the program. exePath: the running
// executable's full path; installFolder: the installation folder's path.
RunModeDecision DecideRunMode(const std::vector<std::wstring>& args, const std::wstring& exePath,
                              const std::wstring& installFolder);

// The installed test: the upper-cased folder path occurs anywhere in the upper-cased
// executable path (a substring test, not a prefix test).
bool IsInInstallFolder(const std::wstring& exePath, const std::wstring& installFolder);

// Reads a further argument of "/newgm" or "/gmhall": its first character is skipped
// whatever it is, and the rest must be a whole decimal number (optional sign, at least
// one digit, nothing after). Arguments longer than maxLength are refused.
bool ParseWindowArgument(const std::wstring& arg, size_t maxLength, std::int64_t* value);

}  // namespace velmo
