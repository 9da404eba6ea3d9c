#include "app/main_frame.h"

#include <chrono>
#include <climits>
#include <memory>
#include <utility>

#include "app/app_texts.h"
#include "app/workspace.h"
#include "platform/text.h"
#include "presentation/mail_text.h"
#include "presentation/message_preview.h"
#include "snapshot/snapshot_file.h"

namespace corvane {

namespace {

std::u16string Number(long long value) { return Widen(std::to_string(value)); }

int ClampToInt(long long value) {
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

// How long the list job gathers rows before handing them to the window: about one
// screen refresh, so the list grows smoothly without a round trip per message.
constexpr auto kListFlushInterval = std::chrono::milliseconds(16);

}  // namespace

CMainFrame::CMainFrame(CPlinthOrvexProjApp& app, const MainFrameControls& controls) : m_app(app), m_ui(controls) {}

CMainFrame::~CMainFrame() { JoinWorkers(); }

void CMainFrame::JoinWorkers() {
  if (m_pWorkerThread.joinable()) m_pWorkerThread.join();
}

void CMainFrame::StartWorker(std::function<void()> job) {
  std::thread previous = std::move(m_pWorkerThread);
  m_nRunningWorkers.fetch_add(1);
  m_pWorkerThread = std::thread([this, previous = std::move(previous), job = std::move(job)]() mutable {
    // A job started while a stopped one finishes its current step waits for it, so
    // no two jobs use a reader or the workspace at the same time.
    if (previous.joinable()) previous.join();
    job();
    m_nRunningWorkers.fetch_sub(1);
  });
}

LRESULT CMainFrame::SendMessageW(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  OnUi([&] { result = WindowProc(message, wParam, lParam); });
  return result;
}

// The hand-over strings are written on the UI thread, right before their handler
// runs there, so a finishing job and a new one never write one at the same time.
void CMainFrame::AppendLog(const std::u16string& line) {
  OnUi([&] {
    m_strLogLine = line;
    WindowProc(WM_APPEND_LOG, 0, 0);
  });
}

void CMainFrame::ShowStatus(const std::u16string& text) {
  OnUi([&] {
    m_strStatus = text;
    WindowProc(WM_SHOW_STATUS, 0, 0);
  });
}

void CMainFrame::ShowPreviewPath(const std::u16string& path) {
  OnUi([&] {
    m_strPreviewPath = path;
    WindowProc(WM_SHOW_PREVIEW, 0, 0);
  });
}

bool CMainFrame::Box(const std::u16string& text, IFrameShell::Box kind) {
  bool yes = false;
  OnUi([&] { yes = m_ui.shell->MessageBox(text, kind); });
  return yes;
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TREE_ITEM_CLICKED:
      return OnTreeItemClicked(static_cast<TreeItem>(lParam));
    case WM_MESSAGE_ITEM_CLICKED:
      return OnMessageItemClicked(static_cast<int>(wParam));
    case WM_PROGRESS_RANGE:
      // The full bounds: a list of more than 65,535 messages keeps a true bar.
      m_ui.shell->SetProgressRange(ClampToInt(static_cast<long long>(wParam)), ClampToInt(lParam));
      m_ui.shell->SetProgressPos(0);
      return 1;
    case WM_PROGRESS_POS: {
      const auto pos = static_cast<std::int32_t>(static_cast<std::uint32_t>(wParam));
      if (pos > 0) m_ui.shell->SetProgressPos(pos);
      return 1;
    }
    case WM_SELECT_OUTPUT_TAB:
      m_ui.shell->SelectOutputTab(static_cast<int>(wParam));
      return 1;
    case WM_SHOW_STATUS:
      m_ui.shell->SetCaptionText(m_strStatus);
      return 1;
    case WM_SHOW_PREVIEW:
      m_ui.preview->NavigateTo(m_strPreviewPath);
      m_ui.preview->Invalidate();
      return 1;
    case WM_APPEND_LOG:
      m_ui.log->AppendLine(m_strLogLine);
      m_app.m_logFile.AppendLine(m_strLogLine);
      return 1;
    default:
      return 0;
  }
}

void CMainFrame::OnCreate(const std::u16string& desktopFolder, std::time_t now) {
  ShowStatus(texts::kSelectFile);
  m_ui.shell->ShowProgress(false);
  m_app.m_logFile.Open(desktopFolder, now);
  m_app.m_strLogPath = m_app.m_logFile.Path();
}

std::u16string CMainFrame::SelectedFilesText(const std::vector<std::u16string>& files) {
  if (files.empty()) return {};
  if (files.size() == 1) return files.front();
  return files.front() + u" and " + Number(static_cast<long long>(files.size() - 1)) + u" more";
}

void CMainFrame::DeleteReaders() {
  for (MailboxEntry& entry : m_entries) {
    m_pCurReader = entry.pReader.get();
    entry.pReader.reset();
    m_pCurReader = nullptr;
  }
  m_entries.clear();
}

void CMainFrame::OnMboxOpen() {
  if (RefuseWhileBusy()) return;
  m_app.SetBusy(true);
  if (!m_ui.shell->RunSelectFilesDialog(m_app)) {
    m_app.SetBusy(false);
    return;
  }
  DeleteFolderContents(GetTempWorkFolder(m_app.m_strTempBase));
  const std::u16string selected = SelectedFilesText(m_app.m_selectedFiles);
  m_ui.preview->ResetPane();
  m_ui.log->DeleteAllItems();
  m_ui.tree->DeleteAllItems();
  m_ui.list->DeleteAllItems();
  m_nFileCounter = 0;
  SendMessageW(WM_SELECT_OUTPUT_TAB, 0, 0);
  ShowStatus(selected);
  AppendLog(texts::kProcessStarts + FormatLogTime(std::time(nullptr)));
  AppendLog(selected + texts::kSelectedForConversion);
  m_ui.shell->ShowProgress(true);
  m_ui.shell->SetProgressPos(0);
  m_ui.shell->SetProgressRange(0, 1000);
  // The previous readers go now, unless a stopped job is still finishing with one:
  // then the new worker deletes them once that job has ended.
  auto previous = std::make_shared<std::vector<MailboxEntry>>(std::move(m_entries));
  m_entries.clear();
  m_pCurReader = nullptr;
  if (!IsWorkerRunning()) previous->clear();
  ++m_nJobGeneration;
  StartWorker([this, previous, generation = m_nJobGeneration.load()] {
    previous->clear();
    ScanThreadProc(generation);
  });
}

void CMainFrame::ScanThreadProc(unsigned generation) {
  // Copied on the UI thread: the dialog writes the list only while no job runs.
  std::vector<std::u16string> files;
  OnUi([&] { files = m_app.m_selectedFiles; });
  for (const std::u16string& path : files) {
    if (!m_app.IsBusy() || !IsCurrent(generation)) break;
    ScanOneFile(path, generation);
  }
  // A stopped job that a newer one has overtaken leaves the window to that one.
  if (!IsCurrent(generation)) return;
  OnUi([&] {
    m_app.m_selectedFiles.clear();
    m_ui.shell->ShowProgress(false);
    m_ui.shell->SetProgressPos(0);
  });
  m_app.SetBusy(false);
  AppendLog(texts::kScanCompleted);
  Box(texts::kScanCompleted, IFrameShell::Box::Information);
}

void CMainFrame::ScanOneFile(const std::u16string& path, unsigned generation) {
  MailboxEntry entry = MakeMailboxEntry(path, this);
  MailboxReader* reader = entry.pReader.get();
  const bool isImm = entry.bIsImm != 0;
  TreeItem root = 0;
  bool current = false;
  OnUi([&] {
    // A newer Open has cleared the tree and the entries: this stopped job keeps off.
    current = IsCurrent(generation);
    if (!current) return;
    m_app.m_strCurrentFile = path;
    ++m_nFileCounter;
    root = m_ui.tree->InsertItem(0, false, path, 1);
    m_ui.tree->SetItemData(root, m_nFileCounter);
    m_ui.tree->SetCheck(root, true);
    m_pCurReader = reader;
    m_bCurIsImm = entry.bIsImm;
    m_bCurAttachFolderExists = entry.bAttachFolderExists;
    m_entries.push_back(std::move(entry));
  });
  if (!current) return;
  if (!reader->Open(path)) return;
  AppendLog(texts::kProcessingFile + path);
  if (isImm) {
    reader->ScanImm(path);
  } else {
    reader->ScanMbox();
  }
  const std::u16string count = Number(static_cast<long long>(reader->GetMessageCount()));
  const std::u16string label = LastPathComponent(path) + u"(" + count + u")";
  AppendLog(u"Total number of emails found: (" + count + u")");
  OnUi([&] {
    if (!IsCurrent(generation)) return;
    const TreeItem child = m_ui.tree->InsertItem(root, true, label, 0);
    m_ui.tree->SetItemData(child, m_nFileCounter);
    m_ui.tree->SetCheck(child, true);
    m_ui.tree->Expand(root);
  });
}

bool CMainFrame::RefuseWhileBusy() {
  if (!m_app.IsBusy()) return false;
  m_ui.shell->MessageBox(texts::kBusy, IFrameShell::Box::Information);
  return true;
}

void CMainFrame::OnMboxStop() {
  if (!m_app.IsBusy()) return;
  if (!m_ui.shell->MessageBox(texts::kAskStop, IFrameShell::Box::YesNoInformation)) return;
  m_app.SetBusy(false);
  if (m_pCurReader) m_pCurReader->m_bKeepRunning.store(0, std::memory_order_relaxed);
}

void CMainFrame::OnMboxHelp() {
  if (RefuseWhileBusy()) return;
  m_ui.shell->OpenUrl(texts::kProductPage);
}

void CMainFrame::OnMboxAbout() {
  if (RefuseWhileBusy()) return;
  m_ui.shell->ShowAbout();
}

void CMainFrame::OnMboxUpgrade() {
  if (RefuseWhileBusy()) return;
  m_ui.shell->OpenUrl(texts::kOrderPage);
}

void CMainFrame::OnSaveSnapshot() {
  if (RefuseWhileBusy()) return;
  if (m_ui.tree->GetCount() == 0) {
    m_ui.shell->MessageBox(texts::kSelectFileToRecover, IFrameShell::Box::Information);
    return;
  }
  m_ui.shell->SetWaitCursor(true);
  const std::optional<std::u16string> path = m_ui.shell->RunSnapshotDialog(true);
  if (!path) {
    m_ui.shell->SetWaitCursor(false);
    return;
  }
  m_app.SetBusy(true);
  SendMessageW(WM_SELECT_OUTPUT_TAB, 0, 0);
  AppendLog(*path + texts::kSavingSnapshot + FormatLogTime(std::time(nullptr)));
  std::string error;
  const bool saved = WriteSnapshot(*path, m_entries, &error);
  m_app.SetBusy(false);
  m_ui.shell->SetWaitCursor(false);
  // A snapshot that could not be written is said so: the user would otherwise take
  // the file for saved.
  if (!saved) m_ui.shell->MessageBox(Utf8ToWide(error), IFrameShell::Box::Information);
}

void CMainFrame::OnLoadSnapshot() {
  if (m_app.IsBusy() || IsWorkerRunning()) {
    m_ui.shell->MessageBox(texts::kBusy, IFrameShell::Box::Information);
    return;
  }
  const std::optional<std::u16string> path = m_ui.shell->RunSnapshotDialog(false);
  if (!path) return;
  // The file is read and checked whole before anything is cleared: a damaged or
  // foreign file, or one that cannot be read, leaves the current files shown.
  std::vector<SnapshotEntry> stored;
  std::string error;
  if (!ReadSnapshot(*path, &stored, &error)) {
    m_ui.shell->MessageBox(Utf8ToWide(error), IFrameShell::Box::Information);
    return;
  }
  m_app.SetBusy(true);
  m_nFileCounter = 0;
  m_ui.tree->DeleteAllItems();
  m_ui.list->DeleteAllItems();
  m_ui.preview->ResetPane();
  ShowPreviewPath(CreateBlankPage(m_app.m_strTempBase));
  SendMessageW(WM_SELECT_OUTPUT_TAB, 0, 0);
  DeleteReaders();
  ++m_nJobGeneration;

  AppendLog(texts::kLoadingSnapshot);
  for (SnapshotEntry& item : stored) {
    m_app.m_strCurrentFile = item.path;
    ++m_nFileCounter;
    const TreeItem root = m_ui.tree->InsertItem(0, false, item.path, 0);
    m_ui.tree->SetItemData(root, m_nFileCounter);
    m_ui.tree->SetCheck(root, true);
    // The kind and the attachments folder come from the path and the disk now, not
    // from the stored flags.
    MailboxEntry entry = MakeMailboxEntry(item.path, this);
    m_pCurReader = entry.pReader.get();
    m_bCurIsImm = entry.bIsImm;
    m_bCurAttachFolderExists = entry.bAttachFolderExists;
    entry.pReader->m_offsets = std::move(item.offsets);
    MailboxReader* reader = entry.pReader.get();
    m_entries.push_back(std::move(entry));
    if (!reader->Open(item.path)) continue;
    const std::u16string count = Number(static_cast<long long>(reader->GetMessageCount()));
    const TreeItem child = m_ui.tree->InsertItem(root, true, LastPathComponent(item.path) + u"(" + count + u")", 0);
    m_ui.tree->SetItemData(child, m_nFileCounter);
    m_ui.tree->SetCheck(child, true);
    m_ui.tree->Expand(root);
  }
  m_ui.shell->ShowProgress(false);
  m_app.SetBusy(false);
  AppendLog(texts::kSnapshotLoaded);
  m_ui.shell->MessageBox(texts::kSnapshotLoaded, IFrameShell::Box::Information);
}

bool CMainFrame::OnClose() {
  // A stopped job that is still finishing its step counts as running: its reader
  // must not be deleted under it.
  if (m_app.IsBusy() || IsWorkerRunning()) {
    m_ui.shell->MessageBox(texts::kBusyClose, IFrameShell::Box::Information);
    return false;
  }
  if (!m_ui.shell->MessageBox(texts::kAskClose, IFrameShell::Box::YesNoQuestion)) return false;
  DeleteReaders();
  RemoveTempWorkFolder(m_app.m_strTempBase);
  AppendLog(texts::kClosed);
  m_ui.shell->MessageBox(texts::kLogPathIs + m_app.m_strLogPath, IFrameShell::Box::Information);
  m_ui.shell->OpenUrl(texts::kProductPage);
  m_ui.shell->TerminateProcess();
  return true;
}

LRESULT CMainFrame::OnTreeItemClicked(TreeItem item) {
  m_hClickedItem = item;
  if (m_app.IsBusy()) {
    m_ui.tree->HighlightItem(item);
    m_ui.shell->MessageBox(texts::kBusy, IFrameShell::Box::Information);
    return 0;
  }
  m_app.SetBusy(true);
  DeleteFolderContents(GetTempWorkFolder(m_app.m_strTempBase));
  m_ui.preview->ResetPane();
  ShowPreviewPath(CreateBlankPage(m_app.m_strTempBase));
  SendMessageW(WM_SELECT_OUTPUT_TAB, 0, 0);
  ++m_nJobGeneration;
  StartWorker([this, generation = m_nJobGeneration.load()] { RunMessageListJob(generation); });
  return 1;
}

int CMainFrame::RunMessageListJob(unsigned generation) {
  TreeItem parent = 0;
  std::u16string parentText;
  std::intptr_t data = 0;
  MailboxReader* reader = nullptr;
  bool isImm = false;
  OnUi([&] {
    if (!IsCurrent(generation)) return;
    parent = m_ui.tree->GetParentItem(m_hClickedItem);
    if (!parent) return;
    parentText = m_ui.tree->GetItemText(parent);
    data = m_ui.tree->GetItemData(m_hClickedItem);
    if (data <= 0 || static_cast<std::size_t>(data) > m_entries.size()) return;
    const MailboxEntry& entry = m_entries[static_cast<std::size_t>(data - 1)];
    reader = entry.pReader.get();
    m_pCurReader = reader;
    m_app.m_strCurrentFile = entry.strPath;
    m_bCurIsImm = entry.bIsImm;
    m_bCurAttachFolderExists = entry.bAttachFolderExists;
    isImm = entry.bIsImm != 0;
    m_ui.list->DeleteAllItems();
  });
  if (!reader) {
    if (IsCurrent(generation)) m_app.SetBusy(false);
    return 0;
  }

  const std::u16string name = LastPathComponent(parentText);
  ShowStatus(name);
  AppendLog(texts::kPleaseWait + name + texts::kFolderScanning);
  AppendLog(texts::kDisplaying);
  OnUi([&] { m_ui.shell->ShowProgress(true); });
  const auto total = static_cast<long long>(reader->GetMessageCount());
  SendMessageW(WM_PROGRESS_RANGE, 0, static_cast<LPARAM>(total));

  // Rows, the progress position and the status text reach the window in batches;
  // what the window shows after each batch is what it would show after its last row.
  long long rows = 0;
  std::vector<MessageRow> batch;
  long long lastPos = -1;
  auto lastFlush = std::chrono::steady_clock::now();
  // Batches are posted, so the job goes on reading while the window takes them in;
  // when the window falls behind by a few batches the job waits for it.
  auto pending = std::make_shared<std::atomic<int>>(0);
  auto flush = [&] {
    auto rowsToAdd = std::make_shared<std::vector<MessageRow>>(std::move(batch));
    batch.clear();
    const long long shownRow = rows - 1;
    const long long pos = lastPos;
    auto apply = [this, generation, rowsToAdd, shownRow, pos, name, total, pending] {
      pending->fetch_sub(1);
      if (!IsCurrent(generation)) return;
      if (!rowsToAdd->empty()) m_ui.list->AppendRows(std::move(*rowsToAdd));
      if (pos > 0) m_ui.shell->SetProgressPos(ClampToInt(pos));
      if (shownRow >= 0) {
        m_strStatus = name + u" [" + Number(shownRow) + u" / " + Number(total) + u"]";
        m_ui.shell->SetCaptionText(m_strStatus);
      }
    };
    if (pending->fetch_add(1) < 4) {
      m_ui.ui->Post(std::move(apply));
    } else {
      OnUi(apply);
    }
    lastFlush = std::chrono::steady_clock::now();
  };
  for (long long i = 0; i < total; ++i) {
    lastPos = i;
    if (!m_app.IsBusy() || !IsCurrent(generation)) break;
    std::optional<MessageRow> row = BuildMessageRow(*reader, static_cast<std::uint64_t>(i), isImm, name);
    if (row) {
      batch.push_back(std::move(*row));
      ++rows;
    }
    if (std::chrono::steady_clock::now() - lastFlush >= kListFlushInterval) flush();
  }
  flush();
  if (!IsCurrent(generation)) return 1;

  if (rows != 0) {
    AppendLog(texts::kClickForPreview);
    ShowStatus(name + u" [" + Number(rows) + u"]");
    OnUi([&] { m_ui.list->EnsureVisible(rows - 1); });
    Box(texts::kClickForPreview, IFrameShell::Box::Information);
  }
  SendMessageW(WM_PROGRESS_POS, static_cast<WPARAM>(total), 0);
  OnUi([&] { m_ui.shell->ShowProgress(false); });
  m_app.SetBusy(false);
  return 1;
}

LRESULT CMainFrame::OnMessageItemClicked(int row) {
  if (m_app.IsBusy()) {
    m_ui.shell->MessageBox(texts::kBusy, IFrameShell::Box::Information);
    return 0;
  }
  m_app.SetBusy(true);
  m_nPreviewIndex = row;
  m_ui.preview->ResetPane();
  ++m_nJobGeneration;
  StartWorker([this, row, generation = m_nJobGeneration.load()] {
    ShowMessagePreviewJob(row, generation);
    if (IsCurrent(generation)) m_app.SetBusy(false);
  });
  return 1;
}

void CMainFrame::ShowMessagePreviewJob(int row, unsigned generation) {
  std::optional<std::uint64_t> index;
  MailboxReader* reader = nullptr;
  bool isImm = false;
  std::u16string tempBase;
  OnUi([&] {
    if (!IsCurrent(generation)) return;
    index = m_ui.list->GetItemData(row);
    reader = m_pCurReader;
    isImm = m_bCurIsImm != 0;
    tempBase = m_app.m_strTempBase;
  });
  if (!index || !reader) return;
  reader->m_attachmentPaths.clear();
  ShowPreviewPath(CreateBlankPage(tempBase));
  SendMessageW(WM_SELECT_OUTPUT_TAB, 1, 0);
  OnUi([&] { m_ui.preview->Invalidate(); });

  std::optional<MessagePreview> preview = ShowMessagePreview(*reader, *index, isImm, tempBase, *m_ui.fileInfo);
  if (!preview || !IsCurrent(generation)) return;
  OnUi([&] { m_ui.preview->SetHeaderTexts(preview->Subject, preview->From, preview->To, preview->Date); });
  ShowPreviewPath(preview->Path);
  OnUi([&] {
    m_ui.preview->AddAttachmentRows(preview->Attachments);
    m_ui.preview->Invalidate();
  });
}

}  // namespace corvane
