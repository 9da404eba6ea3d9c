// The "Select File" dialog: the mailbox files to scan and the folder that holds the
// temporary workspace.
#pragma once

#include <QDialog>
#include <QLineEdit>
#include <QTreeWidget>
#include <functional>

#include "app/application.h"

namespace corvane {

class CSelectFilesDlg : public QDialog {
  Q_OBJECT

 public:
  // notify shows a message to the user (a message box in the program).
  CSelectFilesDlg(CPlinthOrvexProjApp& app, std::function<void(const QString&)> notify, QWidget* parent = nullptr);

  // Adds the paths that exist and are not listed yet; each missing one is reported.
  void AddPaths(const QStringList& paths);
  QStringList Paths() const;
  // OK: the temporary path must exist; then the listed paths go to the
  // application's selection and the path becomes the workspace base.
  bool Accept();

  QTreeWidget* List() const { return m_list; }
  QLineEdit* TempPath() const { return m_tempPath; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnAddFiles();
  void OnRemove();
  void OnBrowseTemp();

  CPlinthOrvexProjApp& m_app;
  std::function<void(const QString&)> m_notify;
  QTreeWidget* m_list;
  QLineEdit* m_tempPath;
};

}  // namespace corvane
