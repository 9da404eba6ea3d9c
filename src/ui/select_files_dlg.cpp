#include "ui/select_files_dlg.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/temp_files.h"
#include "ui/qt_text.h"

namespace corvane {

CSelectFilesDlg::CSelectFilesDlg(CPlinthOrvexProjApp& app, std::function<void(const QString&)> notify, QWidget* parent)
    : QDialog(parent), m_app(app), m_notify(std::move(notify)), m_list(new QTreeWidget(this)), m_tempPath(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("Select File"));
  m_list->setColumnCount(1);
  m_list->setHeaderLabels({QStringLiteral("File Path")});
  m_list->setRootIsDecorated(false);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_tempPath->setText(ToQString(GetTempPathW()));

  auto* add = new QPushButton(QStringLiteral("Add Files"), this);
  auto* remove = new QPushButton(QStringLiteral("Remove"), this);
  auto* removeAll = new QPushButton(QStringLiteral("Remove All"), this);
  auto* browse = new QPushButton(QStringLiteral("..."), this);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  for (QPushButton* button : {add, remove, removeAll, browse, ok, cancel}) button->setAutoDefault(false);
  connect(add, &QPushButton::clicked, this, &CSelectFilesDlg::OnAddFiles);
  connect(remove, &QPushButton::clicked, this, &CSelectFilesDlg::OnRemove);
  connect(removeAll, &QPushButton::clicked, m_list, &QTreeWidget::clear);
  connect(browse, &QPushButton::clicked, this, &CSelectFilesDlg::OnBrowseTemp);
  connect(ok, &QPushButton::clicked, this, [this] {
    if (Accept()) accept();
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addWidget(removeAll);
  buttons->addStretch();
  auto* temp = new QHBoxLayout;
  temp->addWidget(new QLabel(QStringLiteral("Temporary Path:"), this));
  temp->addWidget(m_tempPath, 1);
  temp->addWidget(browse);
  auto* end = new QHBoxLayout;
  end->addStretch();
  end->addWidget(ok);
  end->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(m_list, 1);
  layout->addLayout(temp);
  layout->addLayout(end);
  resize(640, 400);
}

QStringList CSelectFilesDlg::Paths() const {
  QStringList out;
  for (int i = 0; i < m_list->topLevelItemCount(); ++i) out << m_list->topLevelItem(i)->text(0);
  return out;
}

void CSelectFilesDlg::AddPaths(const QStringList& paths) {
  QStringList listed = Paths();
  for (const QString& path : paths) {
    const QString normalised = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (!QFileInfo::exists(normalised)) {
      m_notify(QStringLiteral("Selected file is not valid."));
      continue;
    }
    if (listed.contains(normalised)) continue;
    listed << normalised;
    m_list->addTopLevelItem(new QTreeWidgetItem(QStringList{normalised}));
  }
}

bool CSelectFilesDlg::Accept() {
  const QString temp = m_tempPath->text();
  if (temp.isEmpty() || !QFileInfo(temp).isDir()) {
    m_notify(QStringLiteral("Temporary path is not valid."));
    return false;
  }
  for (const QString& path : Paths()) m_app.m_selectedFiles.push_back(ToWide(path));
  m_app.m_strTempBase = ToWide(temp);
  return true;
}

void CSelectFilesDlg::OnAddFiles() {
  AddPaths(QFileDialog::getOpenFileNames(this, QStringLiteral("Add Files")));
}

void CSelectFilesDlg::OnRemove() {
  for (QTreeWidgetItem* item : m_list->selectedItems()) delete item;
}

void CSelectFilesDlg::OnBrowseTemp() {
  const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Temporary Path"), m_tempPath->text());
  if (!folder.isEmpty()) m_tempPath->setText(folder);
}

void CSelectFilesDlg::keyPressEvent(QKeyEvent* event) {
  // Enter and Esc do not end the dialog; only its buttons do.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace corvane
