#include "app/workspace.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/file.h"
#include "platform/temp_files.h"
#include "platform/text.h"

namespace corvane {
namespace {

constexpr char16_t kFolderName[] = u"PlinthHalyardCon";
// Folders nested deeper than this inside the workspace are left alone; the program
// never makes more than one level.
constexpr int kMaxDepth = 128;

// Whether the workspace at path may be used: a real directory of ours.
bool IsOwnDirectory(const std::string& path) {
  struct stat st{};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

// Empties the directory open as dirFd. Works relative to the descriptor, so a folder
// swapped for a link while we work cannot lead us out of the workspace.
void EmptyDirectory(int dirFd, int depth) {
  DIR* dir = ::fdopendir(dirFd);
  if (!dir) {
    ::close(dirFd);
    return;
  }
  while (dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st{};
    if (::fstatat(dirFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      if (depth >= kMaxDepth) continue;
      const int child = ::openat(dirFd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
      if (child < 0) continue;
      EmptyDirectory(child, depth + 1);
      ::unlinkat(dirFd, name.c_str(), AT_REMOVEDIR);
    } else {
      ::unlinkat(dirFd, name.c_str(), 0);
    }
  }
  ::closedir(dir);
}

}  // namespace

std::u16string GetTempWorkFolder(const std::u16string& tempBase) {
  std::u16string base = tempBase.empty() ? GetTempPathW() : tempBase;
  if (base.back() != u'/') base.push_back(u'/');
  const std::u16string folder = base + kFolderName;
  const std::string native = NativePath(folder);
  ::mkdir(native.c_str(), 0700);
  if (!IsOwnDirectory(native)) return {};
  return folder + u'/';
}

void DeleteFolderContents(const std::u16string& folder) {
  if (folder.empty()) return;
  const int fd = ::open(NativePath(folder).c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd < 0) return;
  EmptyDirectory(fd, 0);
}

void RemoveTempWorkFolder(const std::u16string& tempBase) {
  const std::u16string folder = GetTempWorkFolder(tempBase);
  if (folder.empty()) return;
  DeleteFolderContents(folder);
  ::rmdir(NativePath(folder).c_str());
}

std::u16string CreateBlankPage(const std::u16string& tempBase) {
  const std::u16string folder = GetTempWorkFolder(tempBase);
  std::u16string path = GetTempFileNameW(folder, u"Tmp");
  if (path.empty()) return {};
  ::unlink(NativePath(path).c_str());
  // Only the name's own extension changes, whatever the folders above are called.
  path.replace(path.size() - 4, 4, u".html");
  const int fd = ::open(NativePath(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600);
  if (fd >= 0) {
    std::string bytes = "\xFF\xFE";
    for (char c : std::string_view("<html><head><title></title></head><body></body></html>")) {
      bytes.push_back(c);
      bytes.push_back('\0');
    }
    WriteAllBytes(fd, bytes);
    ::close(fd);
  }
  return path;
}

}  // namespace corvane
