// Usage statistics: a counter in the installation folder's settings file and one report
// to the statistics server per event, sent on a thread of its own.
#pragma once

#include <windows.h>

#include <string>

// Increments the counter, formats the report address with "&count=<n>" and starts the
// report thread; returns once the thread has copied the address. The thread sets the
// application's m_hEventDone when its request has finished.
void ReportEvent(const wchar_t* counterKey, const std::wstring& baseAddress);

// Starts the report thread for a full report address with the application's events and
// waits until it has copied it.
void StartReportThread(const std::wstring& address);

// The same with explicit events: copied is set (and reset here) once the thread holds
// the address, done when its request has finished. FALSE when no thread was started;
// done is then set at once, so that nobody waits for a report that never runs.
BOOL StartReportThreadWith(const std::wstring& address, HANDLE copied, HANDLE done);
