// The "Select File" dialog: the mailbox files to scan, added one by one or found
// below a folder, and the base folder of the temporary workspace. Adding and
// searching run on a worker thread with a Stop button and a progress bar.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <atomic>
#include <functional>
#include <thread>

#include "app/application.h"
#include "app/main_frame_ports.h"
#include "app/selected_file_list.h"
#include "ui/qt_ui_thread.h"

namespace corvane {

class CSelectFilesDlg : public QDialog {
  Q_OBJECT

 public:
  using BoxFn = std::function<bool(const QString&, IFrameShell::Box)>;

  CSelectFilesDlg(CPlinthOrvexProjApp& app, BoxFn box, QWidget* parent = nullptr);
  ~CSelectFilesDlg() override;

  // The choosers, replaceable in tests: the files to add, and a folder (the caption
  // says which); empty when cancelled.
  std::function<QStringList()> chooseFiles;
  std::function<QString(const QString& caption)> chooseFolder;

  // The buttons.
  void OnAddFiles();
  void OnSearchFile();
  void OnRemove();
  void OnRemoveAll();
  void OnStop();
  void OnBrowseTemp();
  void OnOK();

  bool IsWorkerRunning() const { return m_bWorkerActive.load(); }
  QTreeWidget* List() const { return m_list; }
  QLineEdit* TempPath() const { return m_tempPath; }
  QLineEdit* Status() const { return m_status; }
  QProgressBar* Progress() const { return m_progress; }
  QPushButton* StopButton() const { return m_stop; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  // A worker still running is stopped and waited for before the dialog ends.
  void done(int result) override;

 private:
  void StartWorker(std::function<void()> work);
  void StopAndWait();
  void ShowRunning(bool running, bool withStop);
  void AppendRow(const std::u16string& path, bool withImage);
  void RefreshStatus();
  bool Box(const std::u16string& text, IFrameShell::Box kind = IFrameShell::Box::Information);

  CPlinthOrvexProjApp& m_app;
  BoxFn m_box;
  CSelectedFileList m_files;
  CQtUiThread m_ui{this};
  std::atomic<int> m_bAddRunning{0};
  std::atomic<bool> m_bWorkerActive{false};
  std::thread m_worker;
  QTimer m_searchTimer;
  QTreeWidget* m_list;
  QLineEdit* m_tempPath;
  QLineEdit* m_status;
  QProgressBar* m_progress;
  QPushButton* m_stop;
};

}  // namespace corvane
