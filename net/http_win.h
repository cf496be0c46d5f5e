// HTTP transfers of the launcher itself: one plain GET through WinINet, in three
// shapes (a report that only sends, a download into a file, a download into memory).
#pragma once

#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <functional>

// What a cancellable transfer publishes while it runs, so that another thread can stop
// it. Each handle is published when opened; whoever takes it out (exchange to null)
// closes it, so no handle is ever closed twice.
struct HttpTransfer {
  std::atomic<HINTERNET> hInternet{nullptr};
  std::atomic<HINTERNET> hConnect{nullptr};
  std::atomic<HINTERNET> hRequest{nullptr};
  std::atomic<bool> bCancelled{false};
  std::atomic<bool> bSuccess{false};

  void Reset();
};

struct HttpGetOptions {
  // True for absolute "http://" addresses, whose first seven characters are skipped
  // unchecked; false for the update configuration's address, which has no scheme.
  bool bSkipScheme = true;
  // Refuse, without network access, an address outside the operator's domains.
  bool bOperatorOnly = false;
  DWORD nBlockSize = 512;
  // Receives PBM_SETPOS with the percentage after each block (SendMessageW).
  HWND hProgressBar = nullptr;
  // Called on the transferring thread after each block with the percentage.
  std::function<void(int)> onProgress;
  // Published state of a cancellable transfer; null for the others.
  HttpTransfer* pTransfer = nullptr;
};

// Sends a GET to an "http://" address (scheme in any case) without reading the response;
// TRUE when the request was sent. On failure the failing call's last error is kept.
BOOL HttpPing(const wchar_t* url);

// Downloads the body into filePath; TRUE when at least the announced length arrived.
// A 404 or a response without Content-Length fails. A short body leaves the partial
// file for the caller.
BOOL HttpGetToFile(const wchar_t* address, const wchar_t* filePath, const HttpGetOptions& options);

// Downloads a body of fewer than 1024 bytes and converts it from the ANSI code page
// into buffer (1024 characters, zero-filled by the caller). bOperatorOnly as above.
BOOL HttpGetToMemory(const wchar_t* address, wchar_t* buffer, bool bOperatorOnly);

// Called from another thread: marks the transfer cancelled and closes its WinINet
// handles, which makes a blocked request or read of the transferring thread return.
void AbortHttpTransfer(HttpTransfer* transfer);
