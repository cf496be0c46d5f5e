#include "lifecycle/statistics_win.h"

#include "app/pavrel3_app_win.h"
#include "app/state_store_win.h"
#include "lifecycle/statistics.h"
#include "net/http_win.h"

namespace {

// Lives on the starter's stack; the thread copies it before the starter may return.
struct ReportRecord {
  const wchar_t* address;
  HANDLE copied;
  HANDLE done;
};

// Copies into fixed buffers before the hand-over. The request itself allocates; no
// exception may leave the thread, and done is set whatever happened.
DWORD WINAPI ReportThread(void* param) {
  const auto* record = static_cast<const ReportRecord*>(param);
  wchar_t address[512] = {};
  ::lstrcpynW(address, record->address, 512);
  const HANDLE done = record->done;
  ::SetEvent(record->copied);
  try {
    HttpPing(address);
  } catch (...) {
  }
  ::SetEvent(done);
  return 0;
}

}  // namespace

BOOL StartReportThreadWith(const std::wstring& address, HANDLE copied, HANDLE done) {
  // Without the hand-over event the record could be read after this frame is gone.
  if (!copied || !done) {
    if (done) ::SetEvent(done);
    return FALSE;
  }
  ReportRecord record{address.c_str(), copied, done};
  HANDLE thread = ::CreateThread(nullptr, 0, &ReportThread, &record, 0, nullptr);
  if (!thread) {
    ::SetEvent(done);
    return FALSE;
  }
  ::CloseHandle(thread);
  ::WaitForSingleObject(copied, INFINITE);
  ::ResetEvent(copied);
  return TRUE;
}

void StartReportThread(const std::wstring& address) {
  CPavrel3App& app = TheApp();
  if (StartReportThreadWith(address, app.m_hEventCopied, app.m_hEventDone)) {
    app.m_bReportStarted = true;
  }
}

void ReportEvent(const wchar_t* counterKey, const std::wstring& baseAddress) {
  std::uint32_t count = IncrementCounter(counterKey);
  StartReportThread(velmo::ReportAddress(baseAddress, count));
}
