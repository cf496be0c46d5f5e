#include "lifecycle/statistics_win.h"

#include "app/pavrel3_app_win.h"
#include "app/state_store_win.h"
#include "lifecycle/statistics.h"
#include "net/http_win.h"

namespace {

struct ReportRecord {
  const wchar_t* address;
  CPavrel3App* app;
};

DWORD WINAPI ReportThread(void* param) {
  auto* record = static_cast<ReportRecord*>(param);
  std::wstring address(record->address);  // the record lives on the starter's stack
  CPavrel3App* app = record->app;
  ::SetEvent(app->m_hEventCopied);
  HttpPing(address.c_str());
  ::SetEvent(app->m_hEventDone);
  return 0;
}

}  // namespace

void StartReportThread(const std::wstring& address) {
  CPavrel3App& app = TheApp();
  ReportRecord record{address.c_str(), &app};
  HANDLE thread = ::CreateThread(nullptr, 0, &ReportThread, &record, 0, nullptr);
  if (!thread) {
    // No report can be sent; whoever waits for its end must not wait forever.
    ::SetEvent(app.m_hEventDone);
    return;
  }
  app.m_bReportStarted = true;
  ::CloseHandle(thread);
  ::WaitForSingleObject(app.m_hEventCopied, INFINITE);
  ::ResetEvent(app.m_hEventCopied);
}

void ReportEvent(const wchar_t* counterKey, const std::wstring& baseAddress) {
  std::uint32_t count = IncrementCounter(counterKey);
  StartReportThread(velmo::ReportAddress(baseAddress, count));
}
