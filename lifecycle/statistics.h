// The addresses of the usage reports.
#pragma once

#include <cstdint>
#include <string>

namespace velmo {

inline constexpr wchar_t kLauncherVersion[] = L"3.0.0.1";

// "http://" + host + path + "?tag=" + tag + "&ver=3.0.0.1": the address before the count.
std::wstring ReportBaseAddress(const std::wstring& statsHost, const wchar_t* path,
                               const wchar_t* tag);
// base + "&count=" + n; empty when the result would not fit the 512-character buffer.
std::wstring ReportAddress(const std::wstring& base, std::uint32_t count);

}  // namespace velmo
