// Window probe of the end-to-end tests: runs in the prefix of the program under test and
// answers one command with UTF-8 JSON on stdout (see tests/e2e/README.md for the commands).
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

// ---- output -------------------------------------------------------------------------

std::string Utf8(const std::wstring& w) {
  if (w.empty()) return {};
  int n = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0,
                                nullptr, nullptr);
  std::string out(n, '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), &out[0], n, nullptr,
                        nullptr);
  return out;
}

std::string Quote(const std::wstring& w) {
  std::string s = Utf8(w), out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

std::string Num(long long v) { return std::to_string(v); }
std::string Bool(bool b) { return b ? "true" : "false"; }
std::string Handle(HWND h) { return Num(static_cast<long long>(reinterpret_cast<intptr_t>(h))); }
std::string Rect(const RECT& r) {
  return "[" + Num(r.left) + "," + Num(r.top) + "," + Num(r.right) + "," + Num(r.bottom) + "]";
}

// Wine output must go to a file: the harness redirects stdout, so WriteFile reaches it.
void Emit(const std::string& json) {
  std::string line = json + "\n";
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), line.data(), static_cast<DWORD>(line.size()),
              &written, nullptr);
}

int Fail(const std::string& message) {
  Emit("{\"error\":" + Quote(std::wstring(message.begin(), message.end())) + "}");
  return 2;
}

// Decimal, or hexadecimal with 0x; negative values pass through as two's complement.
long long Int(const wchar_t* text) { return std::wcstoll(text, nullptr, 0); }
HWND Hwnd(const wchar_t* text) { return reinterpret_cast<HWND>(static_cast<intptr_t>(Int(text))); }

// ---- processes ----------------------------------------------------------------------

struct Process {
  DWORD pid;
  std::wstring exe;
};

std::vector<Process> Processes() {
  std::vector<Process> out;
  HANDLE snap = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return out;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL ok = ::Process32FirstW(snap, &entry); ok; ok = ::Process32NextW(snap, &entry)) {
    out.push_back({entry.th32ProcessID, entry.szExeFile});
  }
  ::CloseHandle(snap);
  return out;
}

std::wstring ExeOf(DWORD pid, const std::vector<Process>& processes) {
  for (const auto& p : processes) {
    if (p.pid == pid) return p.exe;
  }
  return L"";
}

// ---- windows ------------------------------------------------------------------------

BOOL CALLBACK Collect(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

// Every top-level window followed by all its descendants (EnumChildWindows recurses).
std::vector<HWND> AllWindows() {
  std::vector<HWND> top;
  ::EnumWindows(&Collect, reinterpret_cast<LPARAM>(&top));
  std::vector<HWND> out;
  for (HWND h : top) {
    out.push_back(h);
    ::EnumChildWindows(h, &Collect, reinterpret_cast<LPARAM>(&out));
  }
  return out;
}

std::wstring ClassOf(HWND h) {
  wchar_t buf[256] = {};
  ::GetClassNameW(h, buf, 256);
  return buf;
}

// Text stored with the window; never sends a message, so a hung window cannot block.
std::wstring TextOf(HWND h) {
  wchar_t buf[1024] = {};
  ::InternalGetWindowText(h, buf, 1024);
  return buf;
}

// Wine's X11 driver keeps the X window of a top-level window in this property; keys from
// xdotool reach a popup once that X window has the input focus.
long long XWindowOf(HWND h) {
  return static_cast<long long>(
      reinterpret_cast<uintptr_t>(::GetPropW(h, L"__wine_x11_whole_window")));
}

std::string Describe(HWND h, const std::vector<Process>& processes) {
  RECT wr{}, cr{};
  ::GetWindowRect(h, &wr);
  ::GetClientRect(h, &cr);
  DWORD pid = 0;
  DWORD tid = ::GetWindowThreadProcessId(h, &pid);
  LONG_PTR style = ::GetWindowLongPtrW(h, GWL_STYLE);
  LONG_PTR exstyle = ::GetWindowLongPtrW(h, GWL_EXSTYLE);
  HWND parent = (style & WS_CHILD) ? ::GetParent(h) : nullptr;
  HWND owner = ::GetWindow(h, GW_OWNER);
  return "{\"hwnd\":" + Handle(h) + ",\"class\":" + Quote(ClassOf(h)) +
         ",\"text\":" + Quote(TextOf(h)) + ",\"rect\":" + Rect(wr) + ",\"client\":" + Rect(cr) +
         ",\"visible\":" + Bool(::IsWindowVisible(h)) +
         ",\"enabled\":" + Bool(::IsWindowEnabled(h)) + ",\"parent\":" + Handle(parent) +
         ",\"owner\":" + Handle(owner) +
         ",\"style\":" + Num(static_cast<long long>(static_cast<DWORD>(style))) +
         ",\"exstyle\":" + Num(static_cast<long long>(static_cast<DWORD>(exstyle))) +
         ",\"pid\":" + Num(pid) + ",\"tid\":" + Num(tid) + ",\"exe\":" +
         Quote(ExeOf(pid, processes)) +
         ",\"id\":" + Num(static_cast<long long>(::GetWindowLongPtrW(h, GWLP_ID))) +
         ",\"xid\":" + Num(XWindowOf(h)) + "}";
}

struct Filter {
  std::wstring cls, text, exe;
  bool visibleOnly = false;
  bool Matches(HWND h, const std::vector<Process>& processes) const {
    if (visibleOnly && !::IsWindowVisible(h)) return false;
    if (!cls.empty() && ClassOf(h) != cls) return false;
    if (!text.empty() && TextOf(h) != text) return false;
    if (!exe.empty()) {
      DWORD pid = 0;
      ::GetWindowThreadProcessId(h, &pid);
      if (::lstrcmpiW(ExeOf(pid, processes).c_str(), exe.c_str()) != 0) return false;
    }
    return true;
  }
};

// Reads --class, --text, --exe, --visible, --timeout, --ready from the arguments.
Filter ParseFilter(int argc, wchar_t** argv, int first, DWORD* timeoutMs,
                   std::wstring* readyFile = nullptr) {
  Filter f;
  for (int i = first; i < argc; ++i) {
    std::wstring a = argv[i];
    bool hasValue = i + 1 < argc;
    if (a == L"--visible") f.visibleOnly = true;
    else if (a == L"--class" && hasValue) f.cls = argv[++i];
    else if (a == L"--text" && hasValue) f.text = argv[++i];
    else if (a == L"--exe" && hasValue) f.exe = argv[++i];
    else if (a == L"--timeout" && hasValue && timeoutMs) *timeoutMs = static_cast<DWORD>(Int(argv[++i]));
    else if (a == L"--ready" && hasValue && readyFile) *readyFile = argv[++i];
  }
  return f;
}

int List(int argc, wchar_t** argv) {
  Filter f = ParseFilter(argc, argv, 2, nullptr);
  auto processes = Processes();
  std::string out = "[";
  bool first = true;
  for (HWND h : AllWindows()) {
    if (!f.Matches(h, processes)) continue;
    if (!first) out += ",\n";
    first = false;
    out += Describe(h, processes);
  }
  Emit(out + "]");
  return 0;
}

// Polls inside the prefix: far cheaper than starting the probe once per poll.
int Wait(int argc, wchar_t** argv) {
  DWORD timeout = 10000;
  Filter f = ParseFilter(argc, argv, 2, &timeout);
  DWORD start = ::GetTickCount();
  for (;;) {
    auto processes = Processes();
    for (HWND h : AllWindows()) {
      if (f.Matches(h, processes)) {
        Emit(Describe(h, processes));
        return 0;
      }
    }
    if (::GetTickCount() - start >= timeout) break;
    ::Sleep(25);
  }
  Emit("{\"timeout\":true}");
  return 1;
}

// Watches the processes named --exe until they have come and gone (or the time-out) and
// reports every window of theirs that was ever visible. --ready names a file created
// once watching has begun, so that the harness starts the program only then.
int Watch(int argc, wchar_t** argv) {
  DWORD timeout = 10000;
  std::wstring readyFile;
  Filter f = ParseFilter(argc, argv, 2, &timeout, &readyFile);
  if (f.exe.empty()) return Fail("watch needs --exe");
  f.visibleOnly = true;
  std::vector<HWND> seenWindows;
  std::string shown;
  bool seenProcess = false, ended = false;
  DWORD start = ::GetTickCount();
  while (::GetTickCount() - start < timeout) {
    auto processes = Processes();
    bool running = false;
    for (const auto& p : processes) {
      if (::lstrcmpiW(p.exe.c_str(), f.exe.c_str()) == 0) running = true;
    }
    if (running) seenProcess = true;
    for (HWND h : AllWindows()) {
      if (!f.Matches(h, processes)) continue;
      bool known = false;
      for (HWND s : seenWindows) known = known || s == h;
      if (known) continue;
      seenWindows.push_back(h);
      shown += (shown.empty() ? "" : ",") + Describe(h, processes);
    }
    if (seenProcess && !running) {
      ended = true;
      break;
    }
    if (!readyFile.empty()) {
      HANDLE ready = ::CreateFileW(readyFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
      if (ready != INVALID_HANDLE_VALUE) ::CloseHandle(ready);
      readyFile.clear();
    }
    ::Sleep(10);
  }
  Emit("{\"seen_process\":" + Bool(seenProcess) + ",\"ended\":" + Bool(ended) +
       ",\"elapsed_ms\":" + Num(::GetTickCount() - start) + ",\"shown\":[" + shown + "]}");
  return 0;
}

int Message(bool send, int argc, wchar_t** argv) {
  if (argc < 6) return Fail("usage: post|send hwnd msg wparam lparam");
  HWND h = Hwnd(argv[2]);
  UINT msg = static_cast<UINT>(Int(argv[3]));
  WPARAM w = static_cast<WPARAM>(Int(argv[4]));
  LPARAM l = static_cast<LPARAM>(Int(argv[5]));
  if (!send) {
    BOOL ok = ::PostMessageW(h, msg, w, l);
    Emit("{\"ok\":" + Bool(ok) + "}");
    return ok ? 0 : 1;
  }
  DWORD_PTR result = 0;
  LRESULT ok = ::SendMessageTimeoutW(h, msg, w, l, SMTO_NORMAL, 10000, &result);
  Emit("{\"ok\":" + Bool(ok != 0) + ",\"result\":" + Num(static_cast<long long>(result)) + "}");
  return ok ? 0 : 1;
}

// Text of any window through WM_GETTEXT (edit controls of other processes included).
int GetText(int argc, wchar_t** argv) {
  if (argc < 3) return Fail("usage: gettext hwnd");
  wchar_t buf[4096] = {};
  DWORD_PTR len = 0;
  LRESULT ok = ::SendMessageTimeoutW(Hwnd(argv[2]), WM_GETTEXT, 4096,
                                     reinterpret_cast<LPARAM>(buf), SMTO_NORMAL, 5000, &len);
  Emit("{\"ok\":" + Bool(ok != 0) + ",\"text\":" + Quote(buf) + "}");
  return ok ? 0 : 1;
}

// A popup gets the keyboard only as the foreground window; attaching to the thread of
// the current foreground window lets SetForegroundWindow succeed from another process.
int Foreground(int argc, wchar_t** argv) {
  if (argc < 3) return Fail("usage: foreground hwnd");
  HWND target = Hwnd(argv[2]);
  if (!::IsWindow(target)) return Fail("no such window");
  HWND current = ::GetForegroundWindow();
  DWORD self = ::GetCurrentThreadId();
  DWORD other = current ? ::GetWindowThreadProcessId(current, nullptr) : 0;
  DWORD targetThread = ::GetWindowThreadProcessId(target, nullptr);
  bool attachedOther = other && other != self && ::AttachThreadInput(self, other, TRUE);
  bool attachedTarget = targetThread != self && ::AttachThreadInput(self, targetThread, TRUE);
  ::BringWindowToTop(target);
  BOOL ok = ::SetForegroundWindow(target);
  ::SetFocus(target);
  if (attachedTarget) ::AttachThreadInput(self, targetThread, FALSE);
  if (attachedOther) ::AttachThreadInput(self, other, FALSE);
  for (int i = 0; i < 20 && ::GetForegroundWindow() != target; ++i) ::Sleep(10);
  Emit("{\"ok\":" + Bool(ok) + ",\"foreground\":" + Handle(::GetForegroundWindow()) +
       ",\"xid\":" + Num(XWindowOf(::GetAncestor(target, GA_ROOT))) + "}");
  return ::GetForegroundWindow() == target ? 0 : 1;
}

// Points are in window coordinates (origin at the window rectangle's top-left corner).
int Region(int argc, wchar_t** argv) {
  if (argc < 3) return Fail("usage: region hwnd [x y]...");
  HWND h = Hwnd(argv[2]);
  HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
  int type = ::GetWindowRgn(h, rgn);
  bool has = type == SIMPLEREGION || type == COMPLEXREGION;
  RECT box{};
  if (has) ::GetRgnBox(rgn, &box);
  std::string points;
  for (int i = 3; i + 1 < argc; i += 2) {
    int x = static_cast<int>(Int(argv[i])), y = static_cast<int>(Int(argv[i + 1]));
    RECT wr{};
    ::GetWindowRect(h, &wr);
    bool inside = has ? ::PtInRegion(rgn, x, y) != FALSE
                      : (x >= 0 && y >= 0 && x < wr.right - wr.left && y < wr.bottom - wr.top);
    points += (points.empty() ? "" : ",") + std::string("{\"x\":") + Num(x) + ",\"y\":" + Num(y) +
              ",\"inside\":" + Bool(inside) + "}";
  }
  ::DeleteObject(rgn);
  const char* kind = type == SIMPLEREGION ? "simple" : type == COMPLEXREGION ? "complex" : "none";
  Emit("{\"has_region\":" + Bool(has) + ",\"type\":\"" + kind + "\",\"box\":" + Rect(box) +
       ",\"points\":[" + points + "]}");
  return 0;
}

// Wine does not implement GetGuiResources (it answers 0). Its GDI handle table lies in
// each process, named by the PEB's GdiSharedHandleTable: live objects have a type byte.
// Returns the number of live objects by type, or an empty list when unreadable.
std::vector<std::pair<int, int>> GdiTableCounts(HANDLE process) {
  struct BasicInformation {
    LONG_PTR exitStatus;
    PVOID pebBaseAddress;
    ULONG_PTR reserved[4];
  };
  using QueryFn = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  BasicInformation info{};
  ULONG length = 0;
  if (!query || query(process, 0, &info, sizeof info, &length) != 0) return {};
  const SIZE_T tableOffset = sizeof(void*) == 8 ? 0xF8 : 0x94;
  ULONG_PTR table = 0;
  SIZE_T got = 0;
  if (!::ReadProcessMemory(process, static_cast<char*>(info.pebBaseAddress) + tableOffset,
                           &table, sizeof table, &got) || !table) {
    return {};
  }
  const SIZE_T kEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14;
  std::vector<unsigned char> entries(kEntries * kEntrySize);
  if (!::ReadProcessMemory(process, reinterpret_cast<void*>(table), entries.data(),
                           entries.size(), &got)) {
    return {};
  }
  int byType[256] = {};
  for (SIZE_T i = 0; i + kEntrySize <= got; i += kEntrySize) ++byType[entries[i + kTypeOffset]];
  std::vector<std::pair<int, int>> out;
  for (int type = 1; type < 256; ++type) {
    if (byType[type]) out.emplace_back(type, byType[type]);
  }
  return out;
}

int Gdi(int argc, wchar_t** argv) {
  if (argc < 3) return Fail("usage: gdi pid");
  DWORD pid = static_cast<DWORD>(Int(argv[2]));
  HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return Fail("cannot open process");
  DWORD gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
  DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
  auto counts = GdiTableCounts(process);
  ::CloseHandle(process);
  int total = 0;
  std::string byType;
  for (const auto& c : counts) {
    total += c.second;
    byType += (byType.empty() ? "\"" : ",\"") + Num(c.first) + "\":" + Num(c.second);
  }
  Emit("{\"gdi\":" + Num(gdi) + ",\"user\":" + Num(user) + ",\"table\":" +
       Num(counts.empty() ? -1 : total) + ",\"table_by_type\":{" + byType + "}}");
  return 0;
}

// The code pages and screen the prefix gives a program (936 on a player's machine).
int Info() {
  Emit("{\"acp\":" + Num(::GetACP()) + ",\"oemcp\":" + Num(::GetOEMCP()) +
       ",\"lcid\":" + Num(::GetUserDefaultLCID()) +
       ",\"screen\":[" + Num(::GetSystemMetrics(SM_CXSCREEN)) + "," +
       Num(::GetSystemMetrics(SM_CYSCREEN)) + "],\"foreground\":" +
       Handle(::GetForegroundWindow()) + "}");
  return 0;
}

int ListProcesses() {
  std::string out = "[";
  for (const auto& p : Processes()) {
    out += (out.size() > 1 ? "," : "") + std::string("{\"pid\":") + Num(p.pid) +
           ",\"exe\":" + Quote(p.exe) + "}";
  }
  Emit(out + "]");
  return 0;
}

HKEY RootKey(const std::wstring& name) {
  if (name == L"HKLM" || name == L"HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
  if (name == L"HKCU" || name == L"HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
  if (name == L"HKCR" || name == L"HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
  if (name == L"HKU" || name == L"HKEY_USERS") return HKEY_USERS;
  return nullptr;
}

// Values of one key as {"name": {"type": n, "data": ...}}: strings as text, DWORD and
// QWORD as numbers, everything else as hex. {"exists": false} when the key is missing.
int Registry(int argc, wchar_t** argv) {
  if (argc < 3) return Fail("usage: reg ROOT\\key\\path [--32]");
  std::wstring path = argv[2];
  size_t slash = path.find(L'\\');
  HKEY root = RootKey(path.substr(0, slash));
  if (!root) return Fail("unknown root key");
  std::wstring sub = slash == std::wstring::npos ? L"" : path.substr(slash + 1);
  REGSAM view = (argc > 3 && std::wstring(argv[3]) == L"--32") ? KEY_WOW64_32KEY : 0;
  HKEY key = nullptr;
  if (::RegOpenKeyExW(root, sub.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
    Emit("{\"exists\":false,\"values\":{}}");
    return 0;
  }
  std::string values;
  for (DWORD i = 0;; ++i) {
    wchar_t name[16384];
    DWORD nameLen = 16384, type = 0, size = 0;
    if (::RegEnumValueW(key, i, name, &nameLen, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    std::vector<BYTE> data(size + 2, 0);
    nameLen = 16384;
    DWORD dataLen = size;
    if (::RegEnumValueW(key, i, name, &nameLen, nullptr, &type, data.data(), &dataLen) != ERROR_SUCCESS) break;
    std::string rendered;
    if (type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ) {
      std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), dataLen / sizeof(wchar_t));
      while (type != REG_MULTI_SZ && !text.empty() && text.back() == L'\0') text.pop_back();
      rendered = Quote(text);
    } else if (type == REG_DWORD && dataLen == 4) {
      rendered = Num(*reinterpret_cast<const DWORD*>(data.data()));
    } else if (type == REG_QWORD && dataLen == 8) {
      rendered = Num(*reinterpret_cast<const long long*>(data.data()));
    } else {
      rendered = "\"";
      for (DWORD b = 0; b < dataLen; ++b) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", data[b]);
        rendered += hex;
      }
      rendered += "\"";
    }
    values += (values.empty() ? "" : ",") + Quote(std::wstring(name, nameLen)) +
              ":{\"type\":" + Num(type) + ",\"data\":" + rendered + "}";
  }
  ::RegCloseKey(key);
  Emit("{\"exists\":true,\"values\":{" + values + "}}");
  return 0;
}



// ---- shell links -------------------------------------------------------------------

std::string ReadLink(const wchar_t* path) {
  std::string out = "{\"path\":" + Quote(path);
  IShellLinkW* link = nullptr;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link)))) {
    return out + ",\"loaded\":false}";
  }
  IPersistFile* file = nullptr;
  bool loaded = SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Load(path, STGM_READ));
  out += ",\"loaded\":" + Bool(loaded);
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
    out += ",\"icon\":" + Quote(buf) + ",\"icon_index\":" + Num(index);
    buf[0] = 0;
    link->GetWorkingDirectory(buf, MAX_PATH);
    out += ",\"working_folder\":" + Quote(buf);
    WORD hotKey = 0;
    link->GetHotkey(&hotKey);
    out += ",\"hot_key\":" + Num(hotKey);
  }
  if (file) file->Release();
  link->Release();
  return out + "}";
}

// links PATH...: a JSON array with what IShellLinkW reads from each link file.
int Links(int argc, wchar_t** argv) {
  ::CoInitialize(nullptr);
  std::string out = "[";
  for (int i = 2; i < argc; ++i) out += (i > 2 ? "," : "") + ReadLink(argv[i]);
  ::CoUninitialize();
  Emit(out + "]");
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"list") return List(argc, argv);
  if (command == L"wait") return Wait(argc, argv);
  if (command == L"watch") return Watch(argc, argv);
  if (command == L"post") return Message(false, argc, argv);
  if (command == L"send") return Message(true, argc, argv);
  if (command == L"gettext") return GetText(argc, argv);
  if (command == L"foreground") return Foreground(argc, argv);
  if (command == L"region") return Region(argc, argv);
  if (command == L"gdi") return Gdi(argc, argv);
  if (command == L"processes") return ListProcesses();
  if (command == L"info") return Info();
  if (command == L"reg") return Registry(argc, argv);
  if (command == L"links") return Links(argc, argv);
  return Fail("commands: list wait watch post send gettext foreground region gdi processes info reg");
}
