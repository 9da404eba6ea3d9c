#include "platform/temp_files.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "platform/text.h"

namespace corvane {
namespace {

bool IsDirectory(const char* path) {
  struct stat st{};
  return path && *path && ::stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

std::uint32_t RandomWord() {
  std::uint32_t value = 0;
  if (::getrandom(&value, sizeof value, 0) != static_cast<ssize_t>(sizeof value)) {
    value = static_cast<std::uint32_t>(::getpid()) * 2654435761u ^ static_cast<std::uint32_t>(::time(nullptr));
  }
  return value;
}

}  // namespace

std::u16string GetTempPathW() {
  std::string base = "/tmp";
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); IsDirectory(runtime)) {
    base = runtime;
  } else if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp) {
    base = tmp;
  }
  if (base.back() != '/') base.push_back('/');
  return Utf8ToWide(base);
}

std::u16string GetTempFileNameW(const std::u16string& folder, const std::u16string& prefix) {
  if (folder.empty()) return {};
  std::u16string dir = folder;
  if (dir.back() != u'/') dir.push_back(u'/');
  for (int attempt = 0; attempt < 100; ++attempt) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", RandomWord() & 0xFFFFFFu);
    const std::u16string path = dir + prefix + Widen(hex) + u".tmp";
    const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd >= 0) {
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) return {};
  }
  return {};
}

bool PathExists(const std::u16string& path) {
  return !path.empty() && ::access(NativePath(path).c_str(), F_OK) == 0;
}

}  // namespace corvane
