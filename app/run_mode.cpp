#include "app/run_mode.h"

#include <cstdint>

#include "app/text_util.h"

namespace velmo {

namespace {

struct SwitchEntry {
  const wchar_t* text;
  int mode;
};

// Compared in this order; the first match decides.
const SwitchEntry kSwitches[] = {
    {L"/ZuraV", kModeZuraV},   {L"/RendoD", kModeShortcut}, {L"/uninst", kModeUninstall},
    {L"/update", kModeUpdate}, {L"/newgm", kModeGameTab},   {L"/gmhall", kModeGameHall},
};

}  // namespace

bool IsInInstallFolder(const std::wstring& exePath, const std::wstring& installFolder) {
  if (installFolder.empty()) return false;  // no folder: nothing counts as installed
  return AsciiUpper(exePath).find(AsciiUpper(installFolder)) != std::wstring::npos;
}

bool ParseWindowArgument(const std::wstring& arg, size_t maxLength, std::int64_t* value) {
  if (arg.size() < 2 || arg.size() > maxLength) return false;
  size_t i = 1;  // the first character is skipped whatever it is
  bool negative = false;
  if (arg[i] == L'+' || arg[i] == L'-') {
    negative = arg[i] == L'-';
    ++i;
  }
  if (i == arg.size()) return false;
  std::int64_t v = 0;
  for (; i < arg.size(); ++i) {
    if (arg[i] < L'0' || arg[i] > L'9') return false;
    v = v * 10 + (arg[i] - L'0');  // at most 14 digits: no overflow
  }
  *value = negative ? -v : v;
  return true;
}

RunModeDecision DecideRunMode(const std::vector<std::wstring>& args, const std::wstring& exePath,
                              const std::wstring& installFolder) {
  RunModeDecision d;
  if (args.size() > 1) {
    for (const auto& sw : kSwitches) {
      if (!EqualsNoCase(args[1], sw.text)) continue;
      d.mode = sw.mode;
      if (sw.mode == kModeGameTab || sw.mode == kModeGameHall) {
        std::int64_t hostWnd = 0;
        std::int64_t tabIndex = 0;
        bool ok = args.size() > 2 && ParseWindowArgument(args[2], kMaxHandleArgLength, &hostWnd);
        if (ok && sw.mode == kModeGameTab) {
          ok = args.size() > 3 && ParseWindowArgument(args[3], kMaxIndexArgLength, &tabIndex);
        }
        // A window handle is never 0 and fits a pointer; the host passes its own.
        ok = ok && hostWnd != 0 && hostWnd >= static_cast<std::int64_t>(INTPTR_MIN) &&
             hostWnd <= static_cast<std::int64_t>(INTPTR_MAX);
        d.argumentsValid = ok;
        if (ok) {
          d.hostWnd = static_cast<std::intptr_t>(hostWnd);
          d.tabIndex = static_cast<int>(tabIndex);
        }
      }
      return d;
    }
  }
  d.mode = IsInInstallFolder(exePath, installFolder) ? kModeInstalled : kModeInstall;
  return d;
}

}  // namespace velmo
