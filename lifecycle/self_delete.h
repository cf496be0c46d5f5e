// The self-deletion batch file and the file count that chooses its variant.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace velmo {

// The batch text is formatted into a buffer of this many bytes, terminator included.
inline constexpr size_t kBatchBufferBytes = 2048;

// cmd expands "%" even inside double quotes, so a path written into a batch file has
// each "%" doubled. Works on code-page bytes: "%" is never a trail byte of code page 936.
std::string EscapeBatchPath(const std::string& path);

// The path up to, not including, its last backslash; empty when it holds none.
std::string FolderOfPath(const std::string& path);

// The batch text that deletes the executable once it is free, then (withFolder) the
// folder's remaining files and the folder, then itself. Paths are code-page bytes.
// Empty when the text would not fit the batch buffer.
std::string SelfDeletionBatchText(const std::string& exePath, const std::string& batchPath,
                                  bool withFolder);

struct FolderEntry {
  std::wstring name;
  bool isFolder = false;
  // A junction or symbolic link: never descended into, so a link loop cannot recurse.
  bool isLink = false;
};
// Lists a folder's entries; false when the folder cannot be listed.
using FolderLister =
    std::function<bool(const std::wstring& folder, std::vector<FolderEntry>* entries)>;

// Files in the folder and, recursively, its subfolders ("." and ".." and folders are not
// counted). 0 for an empty path; a folder that cannot be listed counts as 1; a linked
// folder counts as 1 without being listed.
int CountFilesWith(const std::wstring& folder, const FolderLister& list);

}  // namespace velmo
