// The main window's logic: its commands, the busy rule that lets one job run at a
// time, the handlers of the private messages, and the scan, list and preview jobs.
// It reaches the controls only through the interfaces of main_frame_ports.h, so the
// whole flow runs the same with widgets and with test doubles.
#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/application.h"
#include "app/main_frame_ports.h"
#include "mailbox/mailbox_entry.h"
#include "platform/window_messages.h"

namespace corvane {

struct MainFrameControls {
  IUiThread* ui = nullptr;
  IFrameShell* shell = nullptr;
  IFolderTree* tree = nullptr;
  IMessageList* list = nullptr;
  IPreviewPane* preview = nullptr;
  ILogViewer* log = nullptr;
  CShellFileInfo* fileInfo = nullptr;
};

class CMainFrame : public MessageWindow {
 public:
  CMainFrame(CPlinthOrvexProjApp& app, const MainFrameControls& controls);
  ~CMainFrame() override;
  CMainFrame(const CMainFrame&) = delete;
  CMainFrame& operator=(const CMainFrame&) = delete;

  // The end of the window's creation: the first status text, the progress bar
  // hidden, the activity log created in desktopFolder with the name of time now.
  void OnCreate(const std::u16string& desktopFolder, std::time_t now);

  // Commands (UI thread).
  void OnMboxOpen();
  void OnMboxStop();
  void OnMboxHelp();
  void OnMboxAbout();
  void OnMboxUpgrade();
  void OnSaveSnapshot();
  void OnLoadSnapshot();
  // The close request; false when the window stays.
  bool OnClose();
  bool IsStopEnabled() const { return m_app.IsBusy(); }

  // Blocking send: the handler runs on the UI thread.
  LRESULT SendMessageW(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The handlers of the private messages (UI thread).
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

  // Whether a job's worker thread has not yet ended.
  bool IsWorkerRunning() const { return m_nRunningWorkers.load() != 0; }
  // Waits for the last worker (and so for every earlier one). Only for when no
  // worker can be waiting for the UI thread.
  void JoinWorkers();

  // Job state, read by the snapshot commands and by tests.
  std::vector<MailboxEntry> m_entries;
  int m_nFileCounter = 0;
  MailboxReader* m_pCurReader = nullptr;
  std::uint8_t m_bCurIsImm = 0;
  std::uint8_t m_bCurAttachFolderExists = 0;
  TreeItem m_hClickedItem = 0;
  int m_nPreviewIndex = 0;
  std::u16string m_strStatus;
  std::u16string m_strLogLine;
  std::u16string m_strPreviewPath;

  // Sets m_strLogLine and sends WM_APPEND_LOG (any thread).
  void AppendLog(const std::u16string& line);
  // Sets m_strStatus and sends WM_SHOW_STATUS (any thread).
  void ShowStatus(const std::u16string& text);
  // A box with the program's caption, shown on the UI thread (any thread).
  bool Box(const std::u16string& text, IFrameShell::Box kind);

 private:
  // Shows the busy message when a job runs; true then.
  bool RefuseWhileBusy();
  LRESULT OnTreeItemClicked(TreeItem item);
  LRESULT OnMessageItemClicked(int row);
  void DeleteReaders();
  // The text naming the new selection in the status and the log.
  static std::u16string SelectedFilesText(const std::vector<std::u16string>& files);

  // Each job carries the generation it was started under; once a newer job has
  // started, a stopped one that is still finishing leaves the window and the busy
  // flag to the newer one.
  bool IsCurrent(unsigned generation) const { return generation == m_nJobGeneration.load(); }
  void ScanThreadProc(unsigned generation);
  void ScanOneFile(const std::u16string& path, unsigned generation);
  int RunMessageListJob(unsigned generation);
  void ShowMessagePreviewJob(int row, unsigned generation);
  void ShowPreviewPath(const std::u16string& path);

  // Starts job on a new worker, which first waits for the previous worker to end.
  void StartWorker(std::function<void()> job);
  void OnUi(const std::function<void()>& fn) { m_ui.ui->Invoke(fn); }

  CPlinthOrvexProjApp& m_app;
  MainFrameControls m_ui;
  std::thread m_pWorkerThread;
  std::atomic<int> m_nRunningWorkers{0};
  std::atomic<unsigned> m_nJobGeneration{0};
};

}  // namespace corvane
