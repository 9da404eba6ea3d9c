// The rules of the file selection dialog's list: which paths enter it, what the
// status line says, what Remove, Remove All and OK do. The dialog shows the list;
// every decision is made here.
#pragma once

#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "app/application.h"

namespace corvane {

class CSelectedFileList {
 public:
  enum class AddResult { Added, Duplicate, Missing };

  // The absolute, lexically normal form of path: the form that is listed and that
  // the duplicate test compares exactly (file names here are case-sensitive).
  static std::u16string Normalise(const std::u16string& path);

  AddResult Add(const std::u16string& path);
  bool Contains(const std::u16string& path) const { return m_known.count(Normalise(path)) != 0; }
  const std::vector<std::u16string>& Paths() const { return m_paths; }
  std::size_t Count() const { return m_paths.size(); }

  // "Total number of files: [n]", or "Add files to continue the process." when empty.
  std::u16string StatusText() const;
  // Removes the rows at the given positions; the message to show instead when there
  // is nothing to remove.
  std::optional<std::u16string> Remove(std::vector<int> rows);
  // Removes every row and empties the application's selection; a message when the
  // list was empty already.
  std::optional<std::u16string> RemoveAll(CPlinthOrvexProjApp& app);
  // OK: the temporary path must exist; it becomes the workspace base (also when the
  // list then turns out empty); then the rows go to the application's selection.
  // The message to show when the dialog must stay open.
  std::optional<std::u16string> Accept(CPlinthOrvexProjApp& app, const std::u16string& tempPath) const;

 private:
  std::vector<std::u16string> m_paths;
  std::unordered_set<std::u16string> m_known;
};

}  // namespace corvane
