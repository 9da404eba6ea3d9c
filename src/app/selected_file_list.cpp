#include "app/selected_file_list.h"

#include <algorithm>
#include <filesystem>

#include "app/app_texts.h"
#include "platform/temp_files.h"
#include "platform/text.h"

namespace corvane {

std::u16string CSelectedFileList::Normalise(const std::u16string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(NativePath(path), error);
  if (error) absolute = NativePath(path);
  std::string text = absolute.lexically_normal().string();
  if (text.size() > 1 && text.back() == '/') text.pop_back();
  return Utf8ToWide(text);
}

CSelectedFileList::AddResult CSelectedFileList::Add(const std::u16string& path) {
  const std::u16string normalised = Normalise(path);
  if (m_known.count(normalised)) return AddResult::Duplicate;
  if (!PathExists(normalised)) return AddResult::Missing;
  m_known.insert(normalised);
  m_paths.push_back(normalised);
  return AddResult::Added;
}

std::u16string CSelectedFileList::StatusText() const {
  if (m_paths.empty()) return texts::kAddFilesToContinue;
  return u"Total number of files: [" + Widen(std::to_string(m_paths.size())) + u"]";
}

std::optional<std::u16string> CSelectedFileList::Remove(std::vector<int> rows) {
  if (m_paths.empty()) return std::u16string(texts::kNoFileToRemove);
  if (rows.empty()) return std::u16string(texts::kNoFileSelected);
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
    if (*it < 0 || static_cast<std::size_t>(*it) >= m_paths.size()) continue;
    m_known.erase(m_paths[static_cast<std::size_t>(*it)]);
    m_paths.erase(m_paths.begin() + *it);
  }
  return std::nullopt;
}

std::optional<std::u16string> CSelectedFileList::RemoveAll(CPlinthOrvexProjApp& app) {
  if (m_paths.empty()) return std::u16string(texts::kNoFileToRemoveAll);
  m_paths.clear();
  m_known.clear();
  app.m_selectedFiles.clear();
  return std::nullopt;
}

std::optional<std::u16string> CSelectedFileList::Accept(CPlinthOrvexProjApp& app, const std::u16string& tempPath) const {
  if (tempPath.empty() || !PathExists(tempPath)) return std::u16string(texts::kInvalidTempPath);
  app.m_strTempBase = tempPath;
  if (m_paths.empty()) return std::u16string(texts::kSelectFilesToContinue);
  app.m_selectedFiles.insert(app.m_selectedFiles.end(), m_paths.begin(), m_paths.end());
  return std::nullopt;
}

}  // namespace corvane
