// Recording stand-ins for the main window's controls, and a user-interface thread
// that the test's own thread plays: workers queue their calls and wait, the test
// runs them while it pumps.
#pragma once

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/application.h"
#include "app/main_frame_ports.h"
#include "platform/text.h"

namespace corvane::test {

class PumpedUiThread : public IUiThread {
 public:
  PumpedUiThread() : m_uiThread(std::this_thread::get_id()) {}
  ~PumpedUiThread() override {
    for (Call* call : m_queue) {
      if (call->fn == &call->owned) delete call;
    }
  }

  void Invoke(const std::function<void()>& fn) override {
    if (std::this_thread::get_id() == m_uiThread) {
      fn();
      return;
    }
    Call call{&fn, false, {}};
    std::unique_lock<std::mutex> lock(m_mutex);
    m_queue.push_back(&call);
    m_wake.notify_all();
    m_wake.wait(lock, [&] { return call.done; });
  }

  void Post(std::function<void()> fn) override {
    auto* call = new Call{nullptr, false, std::move(fn)};
    call->fn = &call->owned;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_queue.push_back(call);
    m_wake.notify_all();
  }

  // Runs queued calls until done() holds or the time is up; false on time-out.
  bool PumpUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
      if (done()) return true;
      std::unique_lock<std::mutex> lock(m_mutex);
      if (m_queue.empty()) {
        // done() may turn true without a call (a worker ending), so look again soon.
        if (std::chrono::steady_clock::now() >= end) return done();
        m_wake.wait_for(lock, std::chrono::milliseconds(2));
        continue;
      }
      Call* call = m_queue.front();
      m_queue.pop_front();
      lock.unlock();
      (*call->fn)();
      lock.lock();
      if (call->fn == &call->owned) {
        delete call;  // posted: nobody waits for it
        continue;
      }
      call->done = true;
      m_wake.notify_all();
    }
  }

 private:
  struct Call {
    const std::function<void()>* fn;
    bool done = false;
    std::function<void()> owned;  // a posted call's own copy
  };
  std::thread::id m_uiThread;
  std::mutex m_mutex;
  std::condition_variable m_wake;
  std::deque<Call*> m_queue;
};

struct TreeNode {
  TreeItem parent = 0;
  std::u16string text;
  int image = -1;
  std::intptr_t data = 0;
  bool checked = false;
  bool expanded = false;
};

class RecordingTree : public IFolderTree {
 public:
  std::map<TreeItem, TreeNode> nodes;
  std::vector<TreeItem> order;  // roots and children in display order
  std::vector<TreeItem> highlighted;

  void DeleteAllItems() override {
    nodes.clear();
    order.clear();
  }
  int GetCount() override { return static_cast<int>(nodes.size()); }
  TreeItem InsertItem(TreeItem parent, bool first, const std::u16string& text, int image) override {
    if (parent && !nodes.count(parent)) return 0;
    const TreeItem item = ++m_next;
    nodes[item] = TreeNode{parent, text, image};
    if (parent && first) {
      auto at = order.begin();
      while (*at != parent) ++at;
      order.insert(at + 1, item);
    } else {
      order.push_back(item);
    }
    return item;
  }
  void SetItemData(TreeItem item, std::intptr_t data) override {
    if (nodes.count(item)) nodes[item].data = data;
  }
  std::intptr_t GetItemData(TreeItem item) override { return nodes.count(item) ? nodes[item].data : 0; }
  void SetCheck(TreeItem item, bool checked) override {
    if (nodes.count(item)) nodes[item].checked = checked;
  }
  void Expand(TreeItem item) override {
    if (nodes.count(item)) nodes[item].expanded = true;
  }
  TreeItem GetParentItem(TreeItem item) override { return nodes.count(item) ? nodes[item].parent : 0; }
  std::u16string GetItemText(TreeItem item) override { return nodes.count(item) ? nodes[item].text : u""; }
  void HighlightItem(TreeItem item) override { highlighted.push_back(item); }

  // The texts in display order, children indented by two spaces, as UTF-8.
  std::vector<std::string> Texts() const {
    std::vector<std::string> out;
    for (TreeItem item : order) {
      const TreeNode& node = nodes.at(item);
      out.push_back((node.parent ? "  " : "") + WideToUtf8(node.text));
    }
    return out;
  }
  TreeItem FirstChildOf(TreeItem parent) const {
    for (TreeItem item : order) {
      if (nodes.at(item).parent == parent) return item;
    }
    return 0;
  }

 private:
  TreeItem m_next = 100;
};

class RecordingList : public IMessageList {
 public:
  std::vector<MessageRow> rows;
  std::int64_t ensuredVisible = -1;
  int appendCalls = 0;

  void DeleteAllItems() override { rows.clear(); }
  std::int64_t GetItemCount() override { return static_cast<std::int64_t>(rows.size()); }
  void AppendRows(std::vector<MessageRow> more) override {
    ++appendCalls;
    for (MessageRow& row : more) rows.push_back(std::move(row));
  }
  std::optional<std::uint64_t> GetItemData(std::int64_t row) override {
    if (row < 0 || row >= GetItemCount()) return std::nullopt;
    return rows[static_cast<std::size_t>(row)].ItemData;
  }
  void EnsureVisible(std::int64_t row) override { ensuredVisible = row; }
};

class RecordingPreview : public IPreviewPane {
 public:
  std::vector<std::u16string> navigated;
  std::u16string subject, from, to, date;
  std::vector<AttachmentRow> attachments;
  int resets = 0;

  void ResetPane() override {
    ++resets;
    subject = from = to = date = u"";
    attachments.clear();
  }
  void NavigateTo(const std::u16string& path) override { navigated.push_back(path); }
  void SetHeaderTexts(const std::u16string& s, const std::u16string& f, const std::u16string& t,
                      const std::u16string& d) override {
    subject = s;
    from = f;
    to = t;
    date = d;
  }
  void AddAttachmentRows(const std::vector<AttachmentRow>& rows) override {
    attachments.insert(attachments.end(), rows.begin(), rows.end());
  }
  void Invalidate() override {}
};

class RecordingLog : public ILogViewer {
 public:
  std::vector<std::string> lines;
  void DeleteAllItems() override { lines.clear(); }
  void AppendLine(const std::u16string& line) override { lines.push_back(WideToUtf8(line)); }
};

class RecordingShell : public IFrameShell {
 public:
  std::vector<std::string> boxes;  // every box's text, in order
  std::vector<std::string> urls;
  std::string caption;
  int progressLower = -1, progressUpper = -1, progressPos = -1;
  bool progressVisible = true;
  int tab = -1;
  int abouts = 0;
  bool terminated = false;
  // Answer to every question; the dialog's behaviour.
  bool answerYes = true;
  std::function<bool(CPlinthOrvexProjApp&)> dialog = [](CPlinthOrvexProjApp&) { return false; };
  // Runs on the UI thread after each progress position, like a click arriving then.
  std::function<void(int)> onProgressPos;

  void SetCaptionText(const std::u16string& text) override { caption = WideToUtf8(text); }
  void SetProgressRange(int lower, int upper) override {
    progressLower = lower;
    progressUpper = upper;
  }
  void SetProgressPos(int pos) override {
    progressPos = pos;
    if (onProgressPos) onProgressPos(pos);
  }
  void ShowProgress(bool visible) override { progressVisible = visible; }
  void SelectOutputTab(int t) override { tab = t; }
  bool MessageBox(const std::u16string& text, Box kind) override {
    boxes.push_back(WideToUtf8(text));
    return kind != Box::Information && answerYes;
  }
  bool RunSelectFilesDialog(CPlinthOrvexProjApp& app) override { return dialog(app); }
  // The snapshot chooser's answer and what it was asked for.
  std::optional<std::u16string> snapshotPath;
  std::vector<bool> snapshotDialogs;  // true: save
  std::optional<std::u16string> RunSnapshotDialog(bool save) override {
    snapshotDialogs.push_back(save);
    return snapshotPath;
  }
  bool waitCursor = false;
  void SetWaitCursor(bool waiting) override { waitCursor = waiting; }
  void ShowAbout() override { ++abouts; }
  void OpenUrl(const char* url) override { urls.emplace_back(url); }
  void TerminateProcess() override { terminated = true; }
};

}  // namespace corvane::test
