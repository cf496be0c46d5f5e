#include "net/file_digest_win.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "net/md5.h"

std::unique_ptr<wchar_t[]> FileDigestText(const wchar_t* path, wchar_t* out) {
  if (!path) return nullptr;
  std::FILE* f = ::_wfopen(path, L"rb");
  if (!f) return nullptr;
  std::string text = velmo::StreamDigestText(f);
  std::fclose(f);
  std::memset(out, 0, 64 * sizeof(wchar_t));
  auto copy = std::make_unique<wchar_t[]>(text.size() + 1);
  for (size_t i = 0; i < text.size(); ++i) out[i] = copy[i] = static_cast<wchar_t>(text[i]);
  return copy;
}
