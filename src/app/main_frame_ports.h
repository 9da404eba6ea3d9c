// The small interfaces through which the main window's logic reaches its controls.
// The desktop program implements them with widgets; tests with recording doubles.
// Every call on them is made on the user-interface thread.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "presentation/attachments.h"
#include "presentation/message_row.h"
#include "presentation/shell_file_info.h"

namespace corvane {

class CPlinthOrvexProjApp;

// The user-interface thread. Invoke runs fn there and returns after it ran: at
// once when called on that thread, otherwise by waiting for it.
class IUiThread {
 public:
  virtual ~IUiThread() = default;
  virtual void Invoke(const std::function<void()>& fn) = 0;
  // Queues fn to run there without waiting for it. Calls run in the order they were
  // made, Invoke and Post alike.
  virtual void Post(std::function<void()> fn) = 0;
};

// A folder-tree item; 0 is no item.
using TreeItem = std::uintptr_t;

class IFolderTree {
 public:
  virtual ~IFolderTree() = default;
  virtual void DeleteAllItems() = 0;
  virtual int GetCount() = 0;
  // Inserts an item under parent (0: a root item), as its first child when first is
  // set, else after the last; returns 0 on failure.
  virtual TreeItem InsertItem(TreeItem parent, bool first, const std::u16string& text, int image) = 0;
  virtual void SetItemData(TreeItem item, std::intptr_t data) = 0;
  virtual std::intptr_t GetItemData(TreeItem item) = 0;
  virtual void SetCheck(TreeItem item, bool checked) = 0;
  virtual void Expand(TreeItem item) = 0;
  virtual TreeItem GetParentItem(TreeItem item) = 0;
  virtual std::u16string GetItemText(TreeItem item) = 0;
  // Gives item the selection highlighting again (a refused click).
  virtual void HighlightItem(TreeItem item) = 0;
};

class IMessageList {
 public:
  virtual ~IMessageList() = default;
  virtual void DeleteAllItems() = 0;
  virtual std::int64_t GetItemCount() = 0;
  // Appends rows at the end, in order.
  virtual void AppendRows(std::vector<MessageRow> rows) = 0;
  // The message number of a row; nothing for a row that does not exist.
  virtual std::optional<std::uint64_t> GetItemData(std::int64_t row) = 0;
  virtual void EnsureVisible(std::int64_t row) = 0;
};

class IPreviewPane {
 public:
  virtual ~IPreviewPane() = default;
  // Header layout, empty header texts, no attachment rows.
  virtual void ResetPane() = 0;
  virtual void NavigateTo(const std::u16string& path) = 0;
  virtual void SetHeaderTexts(const std::u16string& subject, const std::u16string& from, const std::u16string& to,
                              const std::u16string& date) = 0;
  virtual void AddAttachmentRows(const std::vector<AttachmentRow>& rows) = 0;
  virtual void Invalidate() = 0;
};

class ILogViewer {
 public:
  virtual ~ILogViewer() = default;
  virtual void DeleteAllItems() = 0;
  virtual void AppendLine(const std::u16string& line) = 0;
};

// What the main window itself offers: caption bar, progress bar, output tabs, modal
// boxes, the file selection dialog and the desktop's services.
class IFrameShell {
 public:
  enum class Box { Information, YesNoInformation, YesNoQuestion };

  virtual ~IFrameShell() = default;
  virtual void SetCaptionText(const std::u16string& text) = 0;
  virtual void SetProgressRange(int lower, int upper) = 0;
  virtual void SetProgressPos(int pos) = 0;
  virtual void ShowProgress(bool visible) = 0;
  virtual void SelectOutputTab(int tab) = 0;
  // A modal box with the program's caption; true when a question was answered Yes.
  virtual bool MessageBox(const std::u16string& text, Box kind) = 0;
  // The file selection dialog; on OK it has appended the chosen paths to
  // m_selectedFiles and set m_strTempBase. True on OK.
  virtual bool RunSelectFilesDialog(CPlinthOrvexProjApp& app) = 0;
  // The snapshot file chooser: for saving (asks before replacing a file, adds the
  // extension "MBOXVIEWCVN") or for loading (an existing file). Nothing on cancel.
  virtual std::optional<std::u16string> RunSnapshotDialog(bool save) = 0;
  virtual void SetWaitCursor(bool waiting) = 0;
  virtual void ShowAbout() = 0;
  virtual void OpenUrl(const char* url) = 0;
  // Ends the process at once, without any orderly shutdown.
  virtual void TerminateProcess() = 0;
};

}  // namespace corvane
