#include "ui/select_files_dlg.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "app/folder_search.h"
#include "platform/temp_files.h"
#include "ui/qt_text.h"

namespace corvane {

namespace {

QPushButton* Button(QWidget* parent, const char* text, const char* tip, const char* icon = nullptr) {
  auto* button = new QPushButton(QString::fromLatin1(text), parent);
  button->setToolTip(QString::fromLatin1(tip));
  if (icon) button->setIcon(QIcon(QString::fromLatin1(":/corvane/%1.svg").arg(QLatin1String(icon))));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

CSelectFilesDlg::CSelectFilesDlg(CPlinthOrvexProjApp& app, BoxFn box, QWidget* parent)
    : QDialog(parent),
      m_app(app),
      m_box(std::move(box)),
      m_list(new QTreeWidget(this)),
      m_tempPath(new QLineEdit(this)),
      m_status(new QLineEdit(this)),
      m_progress(new QProgressBar(this)),
      m_stop(Button(this, "Stop", "Stop the process", "stop")) {
  setWindowTitle(QStringLiteral("Select File"));
  chooseFiles = [this] { return QFileDialog::getOpenFileNames(this, QStringLiteral("Add Files"), QString(), QString()); };
  chooseFolder = [this](const QString& caption) { return QFileDialog::getExistingDirectory(this, caption); };

  auto* tempBox = new QGroupBox(QStringLiteral("Select temporary path:"), this);
  auto* browse = Button(tempBox, "...", "Select temporary path");
  m_tempPath->setParent(tempBox);
  m_tempPath->setReadOnly(true);
  m_tempPath->setText(ToQString(GetTempPathW()));
  auto* tempLayout = new QHBoxLayout(tempBox);
  tempLayout->addWidget(m_tempPath, 1);
  tempLayout->addWidget(browse);

  auto* filesBox = new QGroupBox(QStringLiteral("Add Files:"), this);
  auto* add = Button(filesBox, "Add Files", "Add", "open");
  auto* search = Button(filesBox, "Search File", "Search File(s)", "path");
  auto* remove = Button(filesBox, "Remove ", "Remove", "stop");
  auto* removeAll = Button(filesBox, "Remove All", "");
  add->setObjectName(QStringLiteral("AddFiles"));
  search->setObjectName(QStringLiteral("SearchFile"));
  remove->setObjectName(QStringLiteral("Remove"));
  removeAll->setObjectName(QStringLiteral("RemoveAll"));
  m_list->setParent(filesBox);
  m_list->setColumnCount(1);
  m_list->setHeaderLabels({QStringLiteral("File Name")});
  m_list->header()->resizeSection(0, 500);
  m_list->setRootIsDecorated(false);
  m_list->setUniformRowHeights(true);
  m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_status->setParent(filesBox);
  m_status->setReadOnly(true);
  m_status->setFrame(false);
  m_status->setText(ToQString(texts::kAddFilesToContinue));
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {add, search, remove, removeAll}) buttons->addWidget(button);
  buttons->addStretch();
  auto* filesLayout = new QVBoxLayout(filesBox);
  filesLayout->addLayout(buttons);
  filesLayout->addWidget(m_list, 1);
  filesLayout->addWidget(m_status);

  auto* running = new QHBoxLayout;
  m_progress->setTextVisible(false);
  running->addWidget(m_progress, 1);
  running->addWidget(m_stop);
  auto* ok = Button(this, "OK", "Ok");
  auto* cancel = Button(this, "Cancel", "Cancel");
  ok->setObjectName(QStringLiteral("OK"));
  auto* end = new QHBoxLayout;
  end->addStretch();
  end->addWidget(ok);
  end->addWidget(cancel);
  end->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tempBox);
  layout->addWidget(filesBox, 1);
  layout->addLayout(running);
  layout->addLayout(end);
  resize(720, 560);
  ShowRunning(false, false);

  connect(add, &QPushButton::clicked, this, &CSelectFilesDlg::OnAddFiles);
  connect(search, &QPushButton::clicked, this, &CSelectFilesDlg::OnSearchFile);
  connect(remove, &QPushButton::clicked, this, &CSelectFilesDlg::OnRemove);
  connect(removeAll, &QPushButton::clicked, this, &CSelectFilesDlg::OnRemoveAll);
  connect(m_stop, &QPushButton::clicked, this, &CSelectFilesDlg::OnStop);
  connect(browse, &QPushButton::clicked, this, &CSelectFilesDlg::OnBrowseTemp);
  connect(ok, &QPushButton::clicked, this, &CSelectFilesDlg::OnOK);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  // The searching bar creeps from empty to full in 100 s and starts over.
  m_searchTimer.setInterval(100);
  connect(&m_searchTimer, &QTimer::timeout, this, [this] {
    if (m_progress->value() >= 1000) {
      m_progress->setRange(0, 1000);
      m_progress->setValue(0);
    } else {
      m_progress->setValue(m_progress->value() + 1);
    }
  });
}

CSelectFilesDlg::~CSelectFilesDlg() { StopAndWait(); }

bool CSelectFilesDlg::Box(const std::u16string& text, IFrameShell::Box kind) {
  return m_box ? m_box(ToQString(text), kind) : false;
}

void CSelectFilesDlg::ShowRunning(bool running, bool withStop) {
  m_progress->setVisible(running);
  m_stop->setVisible(running && withStop);
}

void CSelectFilesDlg::RefreshStatus() { m_status->setText(ToQString(m_files.StatusText())); }

void CSelectFilesDlg::AppendRow(const std::u16string& path, bool withImage) {
  auto* item = new QTreeWidgetItem(QStringList{ToQString(path)});
  if (withImage) item->setIcon(0, QIcon(QStringLiteral(":/corvane/file.svg")));
  item->setToolTip(0, item->text(0));
  m_list->addTopLevelItem(item);
}

void CSelectFilesDlg::StartWorker(std::function<void()> work) {
  if (m_worker.joinable()) m_worker.join();  // the previous one has ended
  m_bWorkerActive = true;
  m_worker = std::thread([this, work = std::move(work)] {
    work();
    m_bWorkerActive = false;
  });
}

void CSelectFilesDlg::StopAndWait() {
  m_bAddRunning = 0;
  // The worker may be waiting for this thread, so its calls keep being served.
  while (m_bWorkerActive.load()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  if (m_worker.joinable()) m_worker.join();
  m_searchTimer.stop();
}

void CSelectFilesDlg::done(int result) {
  StopAndWait();
  QDialog::done(result);
}

void CSelectFilesDlg::OnAddFiles() {
  if (m_bAddRunning.load() || IsWorkerRunning()) {
    Box(texts::kBusyAdd);
    return;
  }
  const QStringList chosen = chooseFiles();
  if (chosen.isEmpty()) {
    RefreshStatus();
    return;
  }
  m_status->setText(ToQString(texts::kPleaseWaitRunning));
  m_bAddRunning = 1;
  ShowRunning(true, true);
  m_progress->setRange(0, static_cast<int>(chosen.size()));
  m_progress->setValue(0);
  StartWorker([this, chosen] {
    for (const QString& name : chosen) {
      if (!m_bAddRunning.load()) break;
      const std::u16string path = ToWide(name);
      bool stop = false;
      m_ui.Invoke([&] {
        if (m_files.Contains(path)) return;  // listed already: skipped silently
        if (!m_bAddRunning.load()) {
          stop = true;
          return;
        }
        const int row = static_cast<int>(m_files.Count());
        if (m_files.Add(path) == CSelectedFileList::AddResult::Missing) {
          Box(texts::kFileNotValid);
          return;
        }
        AppendRow(m_files.Paths().back(), true);
        m_progress->setValue(row);
        m_status->setText(ToQString(m_files.Paths().back()));
      });
      if (stop) break;
    }
    m_ui.Invoke([&] {
      m_progress->setValue(m_progress->maximum());
      ShowRunning(false, false);
      m_bAddRunning = 0;
      RefreshStatus();
    });
  });
}

void CSelectFilesDlg::OnSearchFile() {
  if (m_bAddRunning.load() || IsWorkerRunning()) {
    Box(texts::kBusySearch);
    return;
  }
  const QString chosen = chooseFolder(QStringLiteral("Select folder to search file(s)")).trimmed();
  if (chosen.isEmpty()) return;
  if (!QFileInfo(chosen).isDir()) return;  // nothing to search: the dialog stays idle
  m_bAddRunning = 1;
  m_progress->setRange(0, 1000);
  m_progress->setValue(0);
  ShowRunning(true, true);
  m_searchTimer.start();
  const std::u16string folder = ToWide(chosen);
  StartWorker([this, folder] {
    SearchFolder(
        folder, [this] { return m_bAddRunning.load() == 1; },
        [this](const std::u16string& path) {
          m_ui.Invoke([&] {
            const int before = static_cast<int>(m_files.Count());
            if (m_files.Add(path) == CSelectedFileList::AddResult::Added) AppendRow(m_files.Paths().back(), false);
            if (before > 0) m_list->scrollToItem(m_list->topLevelItem(before - 1));
          });
        });
    m_ui.Invoke([&] {
      m_searchTimer.stop();
      m_bAddRunning = 0;
      ShowRunning(false, false);
      m_status->setText(m_files.Count() ? ToQString(m_files.StatusText()) : QString());
    });
  });
}

void CSelectFilesDlg::OnRemove() {
  if (m_bAddRunning.load()) {
    Box(texts::kBusyRemove);
    return;
  }
  std::vector<int> rows;
  for (QTreeWidgetItem* item : m_list->selectedItems()) rows.push_back(m_list->indexOfTopLevelItem(item));
  if (const auto message = m_files.Remove(rows)) {
    Box(*message);
    return;
  }
  std::sort(rows.rbegin(), rows.rend());
  for (int row : rows) delete m_list->takeTopLevelItem(row);
  RefreshStatus();
}

void CSelectFilesDlg::OnRemoveAll() {
  if (const auto message = m_files.RemoveAll(m_app)) {
    Box(*message);
    return;
  }
  m_list->clear();
  RefreshStatus();
}

void CSelectFilesDlg::OnStop() {
  if (Box(texts::kAskStopAdding, IFrameShell::Box::YesNoInformation)) m_bAddRunning = 0;
}

void CSelectFilesDlg::OnBrowseTemp() {
  const QString chosen = chooseFolder(QStringLiteral("Select temporary folder path.")).trimmed();
  if (!chosen.isEmpty() && QFileInfo(chosen).isDir()) m_tempPath->setText(chosen);
  if (!PathExists(ToWide(m_tempPath->text()))) Box(texts::kInvalidFolder);
}

void CSelectFilesDlg::OnOK() {
  if (const auto message = m_files.Accept(m_app, ToWide(m_tempPath->text()))) {
    Box(*message);
    return;
  }
  accept();
}

void CSelectFilesDlg::keyPressEvent(QKeyEvent* event) {
  // Enter and Esc do not end the dialog; only its buttons and its close box do.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace corvane
