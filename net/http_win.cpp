#include "net/http_win.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/operator_settings.h"
#include "net/http_address.h"

namespace {

void CloseSlot(std::atomic<HINTERNET>& slot) {
  if (HINTERNET h = slot.exchange(nullptr)) ::InternetCloseHandle(h);
}

// Request, connection and internet handle, in that order; the last error survives.
void CloseAll(HttpTransfer* t) {
  DWORD error = ::GetLastError();
  CloseSlot(t->hRequest);
  CloseSlot(t->hConnect);
  CloseSlot(t->hInternet);
  ::SetLastError(error);
}

// Publishes a freshly opened handle; when the transfer was cancelled meanwhile the
// handle is closed at once and the step fails.
bool Publish(HttpTransfer* t, std::atomic<HINTERNET>& slot, HINTERNET h) {
  if (!h) return false;
  slot.store(h);
  if (t->bCancelled.load()) {
    CloseSlot(slot);
    ::SetLastError(ERROR_INTERNET_OPERATION_CANCELLED);
    return false;
  }
  return true;
}

// Opens, connects and sends the request; false on the first failing call.
bool SendRequest(HttpTransfer* t, const velmo::HttpTarget& target) {
  if (!Publish(t, t->hInternet,
               ::InternetOpenW(velmo::kHttpUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr,
                               nullptr, 0))) {
    return false;
  }
  if (!Publish(t, t->hConnect,
               ::InternetConnectW(t->hInternet.load(), target.host.c_str(), target.port, nullptr,
                                  nullptr, INTERNET_SERVICE_HTTP, 0, 0))) {
    return false;
  }
  if (!Publish(t, t->hRequest,
               ::HttpOpenRequestW(t->hConnect.load(), L"GET", target.path.c_str(), L"HTTP/1.1",
                                  nullptr, nullptr, INTERNET_FLAG_RELOAD, 0))) {
    return false;
  }
  HINTERNET request = t->hRequest.load();
  return request && ::HttpSendRequestW(request, velmo::kHttpHeaderLines,
                                       static_cast<DWORD>(wcslen(velmo::kHttpHeaderLines)),
                                       nullptr, 0);
}

// The status and length tests; the announced length on success.
bool AcceptResponse(HINTERNET request, DWORD* length) {
  wchar_t status[16] = {};
  DWORD size = sizeof(status);
  if (!request || !::HttpQueryInfoW(request, HTTP_QUERY_STATUS_CODE, status, &size, nullptr)) {
    return false;
  }
  status[15] = L'\0';
  if (!velmo::IsStatusAccepted(status)) return false;
  DWORD value = 0;
  size = sizeof(value);
  if (!::HttpQueryInfoW(request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &value, &size,
                        nullptr) ||
      size != sizeof(value)) {
    return false;
  }
  *length = value;
  return true;
}

// The address's host, path and port after the scheme rule and the operator test.
bool Target(const wchar_t* address, bool skipScheme, bool operatorOnly, velmo::HttpTarget* target) {
  if (!address) return false;
  std::wstring text(address);
  if (text.size() > velmo::kMaxAddressChars) return false;
  if (operatorOnly && !velmo::IsOperatorAddress(text, velmo::Operator().operatorDomains)) {
    return false;
  }
  if (skipScheme) text = velmo::SkipScheme(text);
  return velmo::SplitHttpAddress(text, target);
}

}  // namespace

void HttpTransfer::Reset() {
  hInternet = nullptr;
  hConnect = nullptr;
  hRequest = nullptr;
  bCancelled = false;
  bSuccess = false;
}

BOOL HttpPing(const wchar_t* url) {
  velmo::HttpTarget target;
  if (!url || !velmo::HasHttpScheme(url) || !Target(url, true, false, &target)) {
    ::SetLastError(ERROR_INTERNET_INVALID_URL);
    return FALSE;
  }
  HttpTransfer t;
  bool sent = SendRequest(&t, target);
  CloseAll(&t);
  return sent ? TRUE : FALSE;
}

BOOL HttpGetToFile(const wchar_t* address, const wchar_t* filePath, const HttpGetOptions& options) {
  HttpTransfer local;
  HttpTransfer* t = options.pTransfer ? options.pTransfer : &local;
  t->bSuccess = false;
  velmo::HttpTarget target;
  if (!filePath || !Target(address, options.bSkipScheme, options.bOperatorOnly, &target)) {
    return FALSE;
  }
  DWORD expected = 0;
  if (!SendRequest(t, target) || !AcceptResponse(t->hRequest.load(), &expected)) {
    CloseAll(t);
    return FALSE;
  }
  // A system file handle rather than a C stream: a cancelling thread may have to stop
  // this one by force, and a stream's lock would then stay taken.
  HANDLE file = ::CreateFileW(filePath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    CloseAll(t);
    return FALSE;
  }
  std::vector<char> block(options.nBlockSize ? options.nBlockSize : 512);
  unsigned long long total = 0;
  bool writeFailed = false;
  for (;;) {
    HINTERNET request = t->hRequest.load();
    DWORD got = 0;
    if (!request || !::InternetReadFile(request, block.data(), static_cast<DWORD>(block.size()), &got) ||
        got == 0) {
      break;
    }
    DWORD written = 0;
    if (!::WriteFile(file, block.data(), got, &written, nullptr) || written != got) {
      writeFailed = true;
      break;
    }
    total += got;
    int percent = velmo::ProgressPercent(total, expected);
    if (t->bCancelled.load()) break;
    if (options.hProgressBar) ::SendMessageW(options.hProgressBar, PBM_SETPOS, percent, 0);
    if (options.onProgress) options.onProgress(percent);
  }
  ::CloseHandle(file);
  CloseAll(t);
  bool complete = !writeFailed && !t->bCancelled.load() && total >= expected;
  t->bSuccess = complete;
  return complete ? TRUE : FALSE;
}

BOOL HttpGetToMemory(const wchar_t* address, wchar_t* buffer, bool bOperatorOnly) {
  velmo::HttpTarget target;
  if (!buffer || !Target(address, true, bOperatorOnly, &target)) return FALSE;
  HttpTransfer t;
  DWORD expected = 0;
  bool ok = SendRequest(&t, target) && AcceptResponse(t.hRequest.load(), &expected) &&
            expected <= velmo::kMaxMemoryBody;
  char body[velmo::kMaxMemoryBody + 1] = {};
  DWORD total = 0;
  while (ok && total < expected) {
    DWORD got = 0;
    if (!::InternetReadFile(t.hRequest.load(), body + total, expected - total, &got) || got == 0) {
      break;
    }
    total += got;
  }
  CloseAll(&t);
  if (!ok || total < expected) return FALSE;
  if (expected == 0) return TRUE;
  // At most 1023 characters, so the caller's zero at index 1023 stays.
  return ::MultiByteToWideChar(CP_ACP, 0, body, static_cast<int>(expected), buffer,
                               static_cast<int>(velmo::kMaxMemoryBody)) > 0
             ? TRUE
             : FALSE;
}

void AbortHttpTransfer(HttpTransfer* transfer) {
  if (!transfer) return;
  transfer->bCancelled = true;
  CloseAll(transfer);
}
