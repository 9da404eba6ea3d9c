// The program's only top-level window: the ribbon-like bar, the caption bar, the
// folder-tree pane, the message list, the output pane with the log viewer and the
// preview, and the status bar with its progress bar. Its logic is CMainFrame's; this
// class gives that logic its controls.
#pragma once

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QProgressBar>
#include <QTabWidget>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/main_frame.h"
#include "ui/check_tree_ctrl.h"
#include "ui/desktop_file_info.h"
#include "ui/message_list_ctrl.h"
#include "ui/qt_ui_thread.h"
#include "ui/static_viewer.h"

namespace corvane {

// The log viewer: one row per logged line.
class CPlinthListCtrl : public QListWidget, public ILogViewer {
 public:
  explicit CPlinthListCtrl(QWidget* parent = nullptr);
  void DeleteAllItems() override { clear(); }
  void AppendLine(const std::u16string& line) override;

 protected:
  void contextMenuEvent(QContextMenuEvent*) override {}
};

class CMainWindow : public QMainWindow, public IFrameShell {
  Q_OBJECT

 public:
  // showSplash: the splash screen at creation (the program shows it; tests need not).
  explicit CMainWindow(CPlinthOrvexProjApp& app, bool showSplash = true, QWidget* parent = nullptr);
  ~CMainWindow() override;

  // Replaceable services (tests answer boxes and dialogs themselves and never start
  // a browser or end the process).
  std::function<bool(const QString&, Box)> boxHandler;
  std::function<bool(CPlinthOrvexProjApp&)> dialogRunner;
  std::function<std::optional<std::u16string>(bool save)> snapshotDialogRunner;
  std::function<void(const char*)> urlOpener;
  std::function<void()> terminator;

  // IFrameShell.
  void SetCaptionText(const std::u16string& text) override;
  void SetProgressRange(int lower, int upper) override;
  void SetProgressPos(int pos) override;
  void ShowProgress(bool visible) override;
  void SelectOutputTab(int tab) override;
  bool MessageBox(const std::u16string& text, Box kind) override;
  bool RunSelectFilesDialog(CPlinthOrvexProjApp& app) override;
  std::optional<std::u16string> RunSnapshotDialog(bool save) override;
  void SetWaitCursor(bool waiting) override;
  void ShowAbout() override;
  void OpenUrl(const char* url) override;
  void TerminateProcess() override;

  // Commands 210 to 218: the look, applied at once and stored.
  void OnApplicationLook(int id);
  int ApplicationLook() const { return m_nAppLook; }

  CMainFrame& Frame() { return *m_frame; }
  CCheckTreeCtrl* Tree() const { return m_tree; }
  CPlinthToolsTopListCtrl* List() const { return m_list; }
  CPlinthStaticViewer* Preview() const { return m_preview; }
  CPlinthListCtrl* LogViewer() const { return m_log; }
  QTabWidget* OutputTabs() const { return m_tabs; }
  QLabel* Caption() const { return m_caption; }
  QProgressBar* Progress() const { return m_progress; }
  QToolButton* StopButton() const { return m_stop; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* BuildRibbon();
  QWidget* BuildCaptionBar();
  void BuildPanes();
  void BuildStatusBar();

  CPlinthOrvexProjApp& m_app;
  CDesktopFileInfo m_fileInfo;
  std::unique_ptr<CQtUiThread> m_uiThread;
  CCheckTreeCtrl* m_tree = nullptr;
  CPlinthToolsTopListCtrl* m_list = nullptr;
  CPlinthStaticViewer* m_preview = nullptr;
  CPlinthListCtrl* m_log = nullptr;
  QTabWidget* m_tabs = nullptr;
  QLabel* m_caption = nullptr;
  QProgressBar* m_progress = nullptr;
  QToolButton* m_stop = nullptr;
  std::unique_ptr<CMainFrame> m_frame;
  int m_nAppLook = 0;
  QMenu* m_lookMenu = nullptr;
};

}  // namespace corvane
