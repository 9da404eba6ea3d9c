#include "app/folder_search.h"

#include <sys/stat.h>

#include <filesystem>
#include <set>
#include <utility>

#include "platform/text.h"

namespace corvane {

namespace {

using FolderId = std::pair<dev_t, ino_t>;

class FolderWalk {
 public:
  FolderWalk(const std::function<bool()>& keepRunning, const std::function<void(const std::u16string&)>& onFile)
      : m_keepRunning(keepRunning), m_onFile(onFile) {}

  // False once the search was stopped.
  bool Walk(const std::filesystem::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || !m_entered.insert({info.st_dev, info.st_ino}).second) return true;
    std::error_code error;
    std::filesystem::directory_iterator it(folder, std::filesystem::directory_options::skip_permission_denied, error);
    for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
      if (!m_keepRunning()) return false;
      std::error_code typeError;
      if (it->is_directory(typeError)) {  // follows a link to see where it leads
        if (!Walk(it->path())) return false;
      } else {
        m_onFile(Utf8ToWide(it->path().string()));
      }
    }
    return true;
  }

 private:
  const std::function<bool()>& m_keepRunning;
  const std::function<void(const std::u16string&)>& m_onFile;
  std::set<FolderId> m_entered;
};

}  // namespace

void SearchFolder(const std::u16string& folder, const std::function<bool()>& keepRunning,
                  const std::function<void(const std::u16string&)>& onFile) {
  FolderWalk(keepRunning, onFile).Walk(std::filesystem::path(NativePath(folder)));
}

}  // namespace corvane
