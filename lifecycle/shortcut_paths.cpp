#include "lifecycle/shortcut_paths.h"

namespace velmo {

namespace {
std::wstring Bounded(std::wstring path) {
  return path.size() < kPathChars ? path : std::wstring();
}
}  // namespace

std::wstring LinkPath(const std::wstring& folder, const std::wstring& name) {
  if (folder.empty() || name.empty()) return {};
  return Bounded(folder + L"\\" + name + L".lnk");
}

std::wstring UserDesktopLinkPath(const std::wstring& personalFolder,
                                 const std::wstring& commonDesktop, const std::wstring& name) {
  size_t profileEnd = personalFolder.rfind(L'\\');
  size_t desktopStart = commonDesktop.rfind(L'\\');
  if (profileEnd == std::wstring::npos || desktopStart == std::wstring::npos) return {};
  return Bounded(personalFolder.substr(0, profileEnd) + commonDesktop.substr(desktopStart) +
                 L"\\" + name + L".lnk");
}

std::wstring InstalledExePath(const std::wstring& installFolder, const std::wstring& exePath) {
  size_t slash = exePath.rfind(L'\\');
  if (slash == std::wstring::npos || installFolder.empty()) return {};
  return Bounded(installFolder + exePath.substr(slash));
}

std::wstring StartMenuFolder(const std::wstring& programsFolder) {
  if (programsFolder.empty()) return {};
  return Bounded(programsFolder + L"\\" + kStartMenuFolderName);
}

}  // namespace velmo
