// The operator's release tool: prints the release key of an executable and writes the
// update configuration that publishes it, or the download configuration of a sister
// launcher. Built from the launcher's own digest and key code.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

#include "net/md5.h"
#include "net/release_key.h"

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: velmo_release EXE VERSION URL [--name NAME] [--out DIR]\n"
               "  Prints the release key of EXE for VERSION (e.g. 3.0.0.1) and writes\n"
               "  DIR/ConfigRendo.htm ([VerKey] Rendo=<key>, UpdAddr=URL).\n"
               "  With --name NAME (a sister launcher) it writes DIR/ConfigNAME.htm with\n"
               "  UpdAddr=URL only, the download configuration that names its program.\n"
               "  URL is the absolute http:// address from which the launcher downloads EXE;\n"
               "  it must contain one of the operator domain names of the launcher's build.\n");
  return 2;
}

bool IsVersion(const std::string& v) {
  if (v.empty()) return false;
  for (char c : v) {
    if (c != '.' && (c < '0' || c > '9')) return false;
  }
  return !velmo::VersionDigits(v).empty() && velmo::VersionDigits(v).size() <= 8;
}

bool IsSafeName(const std::string& name) {
  if (name.empty()) return false;
  for (char c : name) {
    bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!ok) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string positional[3];
  int count = 0;
  std::string name = "Rendo";
  std::string out = ".";
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--name" || arg == "--out") && i + 1 < argc) {
      (arg == "--name" ? name : out) = argv[++i];
    } else if (arg.rfind("--", 0) == 0 || count == 3) {
      return Usage();
    } else {
      positional[count++] = arg;
    }
  }
  if (count != 3) return Usage();
  const std::string& exe = positional[0];
  const std::string& version = positional[1];
  const std::string& url = positional[2];
  if (!IsVersion(version)) {
    std::fprintf(stderr, "velmo_release: version must be digits and dots, at most 8 digits\n");
    return 2;
  }
  if (!IsSafeName(name)) {
    std::fprintf(stderr, "velmo_release: name must be letters, digits or '_'\n");
    return 2;
  }
  if (url.size() > velmo::kMaxUpdAddrChars || url.compare(0, 7, "http://") != 0 ||
      url.find_first_of("\r\n") != std::string::npos) {
    std::fprintf(stderr, "velmo_release: URL must be one line, begin with http:// and hold at most %zu characters\n",
                 velmo::kMaxUpdAddrChars);
    return 2;
  }
  std::string digest = velmo::FileDigestTextOfPath(exe.c_str());
  if (digest.empty()) {
    std::fprintf(stderr, "velmo_release: cannot read %s\n", exe.c_str());
    return 1;
  }
  std::string key = velmo::ReleaseKey(digest, version);
  std::string file = out + "/" + velmo::ConfigFileName(name);
  std::ofstream config(file, std::ios::binary | std::ios::trunc);
  config << velmo::UpdateConfigText(name == "Rendo" ? key : std::string(), url);
  config.close();
  if (!config) {
    std::fprintf(stderr, "velmo_release: cannot write %s\n", file.c_str());
    return 1;
  }
  std::printf("%s\n", key.c_str());
  return 0;
}
