// Reads shell links through IShellLinkW for the lifecycle end-to-end tests.
// Usage: lifecycle_link_reader.exe LINK...; prints one JSON array, one object per link.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

namespace {

std::string Quote(const std::wstring& text) {
  std::string out = "\"";
  for (wchar_t c : text) {
    if (c == L'"' || c == L'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c) & 0xFFFF);
      out += buf;
    }
  }
  return out + "\"";
}

std::string ReadLink(const wchar_t* path) {
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
    return "{\"path\":" + Quote(path) + ",\"loaded\":false}";
  }
  std::string out = "{\"path\":" + Quote(path);
  IPersistFile* file = nullptr;
  bool loaded = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Load(path, STGM_READ));
  out += std::string(",\"loaded\":") + (loaded ? "true" : "false");
  if (loaded) {
    wchar_t buf[MAX_PATH] = {};
    link->GetPath(buf, MAX_PATH, nullptr, SLGP_RAWPATH);
    out += ",\"target\":" + Quote(buf);
    buf[0] = 0;
    link->GetArguments(buf, MAX_PATH);
    out += ",\"arguments\":" + Quote(buf);
    buf[0] = 0;
    link->GetDescription(buf, MAX_PATH);
    out += ",\"description\":" + Quote(buf);
    buf[0] = 0;
    int index = -1;
    link->GetIconLocation(buf, MAX_PATH, &index);
    out += ",\"icon\":" + Quote(buf) + ",\"icon_index\":" + std::to_string(index);
    buf[0] = 0;
    link->GetWorkingDirectory(buf, MAX_PATH);
    out += ",\"working_folder\":" + Quote(buf);
    WORD hotKey = 0;
    link->GetHotkey(&hotKey);
    out += ",\"hot_key\":" + std::to_string(hotKey);
  }
  if (file) file->Release();
  link->Release();
  return out + "}";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  ::CoInitialize(nullptr);
  std::string out = "[";
  for (int i = 1; i < argc; ++i) out += (i > 1 ? "," : "") + ReadLink(argv[i]);
  out += "]\n";
  std::fwrite(out.data(), 1, out.size(), stdout);
  ::CoUninitialize();
  return 0;
}
