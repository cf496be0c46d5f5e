#include "lifecycle/self_delete.h"

namespace velmo {

std::string EscapeBatchPath(const std::string& path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path) {
    out += c;
    if (c == '%') out += '%';
  }
  return out;
}

std::string FolderOfPath(const std::string& path) {
  size_t slash = path.rfind('\\');
  if (slash == std::string::npos) return {};
  return path.substr(0, slash);
}

std::string SelfDeletionBatchText(const std::string& exePath, const std::string& batchPath,
                                  bool withFolder) {
  const std::string exe = "\"" + EscapeBatchPath(exePath) + "\"";
  std::string text = "cd\\\r\n:delexe\r\nping -n 1 127.0.0.1\r\n";
  text += "del " + exe + "\r\n";
  text += "if exist " + exe + " goto :delexe\r\n";
  if (withFolder) {
    const std::string folder = "\"" + EscapeBatchPath(FolderOfPath(exePath)) + "\"";
    text += "del " + folder + " /Q /F /A\r\n";
    text += "rd " + folder + "\r\n";
  }
  text += "del \"" + EscapeBatchPath(batchPath) + "\"\r\n";
  if (text.size() >= kBatchBufferBytes) return {};
  return text;
}

int CountFilesWith(const std::wstring& folder, const FolderLister& list) {
  if (folder.empty()) return 0;
  std::vector<FolderEntry> entries;
  if (!list(folder, &entries)) return 1;
  int count = 0;
  for (const FolderEntry& e : entries) {
    if (e.name == L"." || e.name == L"..") continue;
    if (!e.isFolder) {
      ++count;
    } else if (e.isLink) {
      ++count;
    } else {
      count += CountFilesWith(folder + L"\\" + e.name, list);
    }
  }
  return count;
}

}  // namespace velmo
