// Names and paths of the installed executable and its shortcuts.
#pragma once

#include <string>

namespace velmo {

inline constexpr wchar_t kShortcutName[] = L"VelmoTarvik极速登录器";
inline constexpr wchar_t kUninstallShortcutName[] = L"卸载 VelmoTarvik极速登录器";
inline constexpr wchar_t kStartMenuFolderName[] = L"Velmo登录器";
inline constexpr wchar_t kStartArguments[] = L"/RendoD";
inline constexpr wchar_t kUninstallArguments[] = L"/uninst";

// Paths are formed in buffers of this many characters, terminator included.
inline constexpr size_t kPathChars = 260;

// folder + "\" + name + ".lnk"; empty when folder or name is empty or the path is too long.
std::wstring LinkPath(const std::wstring& folder, const std::wstring& name);

// The same shortcut on the current user's own desktop: the documents folder cut at its
// last backslash (the profile), the common desktop's last element, "\", name, ".lnk".
// Empty when either folder holds no backslash or the path is too long.
std::wstring UserDesktopLinkPath(const std::wstring& personalFolder,
                                 const std::wstring& commonDesktop, const std::wstring& name);

// The installation folder followed by the executable's file name (from its last
// backslash on); empty when the path holds no backslash or the result is too long.
std::wstring InstalledExePath(const std::wstring& installFolder, const std::wstring& exePath);

// The start-menu folder of the shortcuts inside the programs folder.
std::wstring StartMenuFolder(const std::wstring& programsFolder);

}  // namespace velmo
