#include "ui/main_window.h"

#include <unistd.h>

#include <QApplication>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/app_texts.h"
#include "platform/desktop_folder.h"
#include "ui/about_dlg.h"
#include "ui/application_look.h"
#include "ui/qt_text.h"
#include "ui/select_files_dlg.h"
#include "ui/splash_wnd.h"

namespace corvane {

CPlinthListCtrl::CPlinthListCtrl(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void CPlinthListCtrl::AppendLine(const std::u16string& line) {
  addItem(ToQString(line));
  scrollToBottom();
}

namespace {

QToolButton* BigButton(QWidget* parent, const char* icon, const char* text, const char* tip) {
  auto* button = new QToolButton(parent);
  button->setIcon(QIcon(QString::fromLatin1(":/corvane/%1.svg").arg(QLatin1String(icon))));
  button->setIconSize(QSize(32, 32));
  button->setText(QString::fromLatin1(text));
  button->setToolTip(QString::fromLatin1(tip));
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setAutoRaise(true);
  button->setMinimumWidth(56);
  return button;
}

// A ribbon panel: its buttons in a row, its title underneath.
QWidget* Panel(QWidget* parent, const char* title, const std::vector<QToolButton*>& buttons) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(0);
  auto* row = new QHBoxLayout;
  for (QToolButton* button : buttons) {
    button->setParent(panel);
    row->addWidget(button);
  }
  layout->addLayout(row);
  auto* label = new QLabel(QString::fromLatin1(title), panel);
  label->setAlignment(Qt::AlignCenter);
  label->setEnabled(false);
  layout->addWidget(label);
  return panel;
}

}  // namespace

CMainWindow::CMainWindow(CPlinthOrvexProjApp& app, bool showSplash, QWidget* parent)
    : QMainWindow(parent), m_app(app), m_uiThread(std::make_unique<CQtUiThread>(this)) {
  setWindowTitle(ToQString(texts::kAppTitle));
  setWindowIcon(QIcon(QStringLiteral(":/corvane/corvane-viewer.svg")));
  if (showSplash) {
    // It deletes itself when it has faded out.
    auto* splash = new CSplashWnd(this, 2000, CSplashWnd::kFadeIn | CSplashWnd::kFadeOut | CSplashWnd::kShadow |
                                               CSplashWnd::kCenterOnScreen);
    splash->SetBitmap(CSplashWnd::ProgramBitmap());
    splash->SetText(QStringLiteral("v18.0"));
    splash->repaint();
    splash->ShowSplash();
  }
  OnApplicationLook(CApplicationLook::Stored());
  auto* top = new QWidget(this);
  auto* topLayout = new QVBoxLayout(top);
  topLayout->setContentsMargins(0, 0, 0, 0);
  topLayout->setSpacing(0);
  topLayout->addWidget(BuildRibbon());
  topLayout->addWidget(BuildCaptionBar());
  setMenuWidget(top);
  BuildStatusBar();
  BuildPanes();

  m_frame = std::make_unique<CMainFrame>(
      m_app, MainFrameControls{m_uiThread.get(), this, m_tree, m_list, m_preview, m_log, &m_fileInfo});
  m_tree->SetNotifyWindow(m_frame.get());
  m_list->SetMainWindow(m_frame.get());

  // The Stop button is enabled exactly while a job runs.
  auto* updater = new QTimer(this);
  connect(updater, &QTimer::timeout, this, [this] { m_stop->setEnabled(m_frame->IsStopEnabled()); });
  updater->start(100);
  m_stop->setEnabled(false);

  m_frame->OnCreate(GetDesktopFolder(), std::time(nullptr));
}

CMainWindow::~CMainWindow() = default;

QWidget* CMainWindow::BuildRibbon() {
  auto* ribbon = new QWidget(this);
  ribbon->setObjectName(QStringLiteral("Ribbon"));
  auto* layout = new QVBoxLayout(ribbon);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->setSpacing(2);

  auto* tabs = new QHBoxLayout;
  auto* appButton = new QToolButton(ribbon);
  appButton->setIcon(QIcon(QStringLiteral(":/corvane/app.svg")));
  appButton->setIconSize(QSize(32, 32));
  appButton->setFixedSize(42, 42);
  appButton->setPopupMode(QToolButton::InstantPopup);
  appButton->setAutoRaise(true);
  auto* menu = new QMenu(appButton);
  menu->addAction(QStringLiteral("Open"), this, [this] { m_frame->OnMboxOpen(); });
  menu->addAction(QStringLiteral("Stop"), this, [this] { m_frame->OnMboxStop(); });
  menu->addSeparator();
  QAction* save = menu->addAction(QStringLiteral("Save Snapshot..."), this, [this] { m_frame->OnSaveSnapshot(); });
  QAction* load = menu->addAction(QStringLiteral("Load Snapshot..."), this, [this] { m_frame->OnLoadSnapshot(); });
  save->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  load->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  // The shortcuts work with the menu closed.
  addAction(save);
  addAction(load);
  menu->addSeparator();
  m_lookMenu = menu->addMenu(QStringLiteral("Application Look"));
  auto* looks = new QActionGroup(m_lookMenu);
  for (int id = CApplicationLook::kFirst; id <= CApplicationLook::kLast; ++id) {
    QAction* look = m_lookMenu->addAction(CApplicationLook::Name(id), this, [this, id] { OnApplicationLook(id); });
    look->setCheckable(true);
    look->setData(id);
    looks->addAction(look);
  }
  // The current look is the marked one.
  connect(m_lookMenu, &QMenu::aboutToShow, this, [this] {
    for (QAction* look : m_lookMenu->actions()) look->setChecked(look->data().toInt() == m_nAppLook);
  });
  menu->addSeparator();
  menu->addAction(QStringLiteral("Help"), this, [this] { m_frame->OnMboxHelp(); });
  menu->addAction(QStringLiteral("About"), this, [this] { m_frame->OnMboxAbout(); });
  menu->addSeparator();
  menu->addAction(QStringLiteral("Exit"), this, [this] { close(); });
  appButton->setMenu(menu);
  tabs->addWidget(appButton);
  auto* category = new QLabel(QStringLiteral("ZODE Zeri Rivedu"), ribbon);
  category->setObjectName(QStringLiteral("RibbonCategory"));
  category->setStyleSheet(QStringLiteral("QLabel { padding: 2px 10px; border: 1px solid palette(mid); border-bottom: none; }"));
  tabs->addWidget(category, 0, Qt::AlignBottom);
  tabs->addStretch();
  layout->addLayout(tabs);

  QToolButton* open = BigButton(ribbon, "open", "Open", "Open Mbox file");
  m_stop = BigButton(ribbon, "stop", "Stop", "Stop running process");
  QToolButton* help = BigButton(ribbon, "help", "Help", "Help for ZODE Zeri Rivedu");
  QToolButton* about = BigButton(ribbon, "about", "About", "About ZODE Zeri Rivedu");
  QToolButton* upgrade = BigButton(ribbon, "upgrade", "Upgrade", "Upgrade");
  open->setObjectName(QStringLiteral("ID_MBOX_OPEN"));
  m_stop->setObjectName(QStringLiteral("ID_MBOX_STOP"));
  connect(open, &QToolButton::clicked, this, [this] { m_frame->OnMboxOpen(); });
  connect(m_stop, &QToolButton::clicked, this, [this] { m_frame->OnMboxStop(); });
  connect(help, &QToolButton::clicked, this, [this] { m_frame->OnMboxHelp(); });
  connect(about, &QToolButton::clicked, this, [this] { m_frame->OnMboxAbout(); });
  connect(upgrade, &QToolButton::clicked, this, [this] { m_frame->OnMboxUpgrade(); });

  auto* panels = new QHBoxLayout;
  panels->addWidget(Panel(ribbon, "ZODE Zeri Rivedu", {open, m_stop}));
  panels->addWidget(Panel(ribbon, "About ZODE Zeri Rivedu", {help, about, upgrade}));
  panels->addStretch();
  layout->addLayout(panels);
  return ribbon;
}

QWidget* CMainWindow::BuildCaptionBar() {
  auto* bar = new QFrame(this);
  bar->setObjectName(QStringLiteral("CaptionBar"));
  bar->setFrameShape(QFrame::StyledPanel);
  bar->setAutoFillBackground(true);
  auto* layout = new QHBoxLayout(bar);
  layout->setContentsMargins(6, 3, 6, 3);
  auto* bitmap = new QLabel(bar);
  bitmap->setPixmap(QIcon(QStringLiteral(":/corvane/caption.svg")).pixmap(16, 16));
  layout->addWidget(bitmap);
  m_caption = new QLabel(bar);
  m_caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  m_caption->setTextFormat(Qt::PlainText);
  layout->addWidget(m_caption, 1);
  return bar;
}

void CMainWindow::BuildPanes() {
  setDockOptions(QMainWindow::AnimatedDocks | QMainWindow::AllowTabbedDocks);
  auto* treeDock = new QDockWidget(QStringLiteral("MBOX File View"), this);
  treeDock->setObjectName(QStringLiteral("FileView"));
  auto* treeFrame = new QFrame(treeDock);
  treeFrame->setFrameShape(QFrame::Box);
  treeFrame->setFrameShadow(QFrame::Plain);
  auto* treeLayout = new QVBoxLayout(treeFrame);
  treeLayout->setContentsMargins(1, 1, 1, 1);
  m_tree = new CCheckTreeCtrl(treeFrame);
  m_tree->setFrameShape(QFrame::NoFrame);
  m_tree->SetImageList({QIcon(QStringLiteral(":/corvane/file.svg")), QIcon(QStringLiteral(":/corvane/path.svg"))});
  m_tree->Initialize();
  m_tree->SetPropagation(true);
  m_tree->SetReadOnly(false);
  m_tree->SetImagesOn(true);
  treeLayout->addWidget(m_tree);
  treeFrame->setFocusProxy(m_tree);
  treeDock->setWidget(treeFrame);
  addDockWidget(Qt::LeftDockWidgetArea, treeDock);
  resizeDocks({treeDock}, {300}, Qt::Horizontal);

  m_list = new CPlinthToolsTopListCtrl(this);
  setCentralWidget(m_list);

  auto* outputDock = new QDockWidget(QStringLiteral("Output"), this);
  outputDock->setObjectName(QStringLiteral("OutputWnd"));
  m_tabs = new QTabWidget(outputDock);
  m_tabs->setTabPosition(QTabWidget::South);
  m_tabs->setDocumentMode(true);
  m_log = new CPlinthListCtrl(m_tabs);
  m_preview = new CPlinthStaticViewer(m_fileInfo, m_tabs);
  m_tabs->addTab(m_log, QStringLiteral("Log Viewer"));
  m_tabs->addTab(m_preview, QStringLiteral("File Viewer"));
  m_tabs->setCurrentIndex(0);
  outputDock->setWidget(m_tabs);
  addDockWidget(Qt::BottomDockWidgetArea, outputDock);
  resizeDocks({outputDock}, {420}, Qt::Vertical);
}

void CMainWindow::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  auto* link = new QLabel(
      QStringLiteral("<a href=\"%1\">%1</a>").arg(QLatin1String(texts::kWebSite)), bar);
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  link->setOpenExternalLinks(false);
  connect(link, &QLabel::linkActivated, this, [this] { OpenUrl(texts::kWebSite); });
  bar->addWidget(link);
  auto* separator = new QFrame(bar);
  separator->setFrameShape(QFrame::VLine);
  bar->addWidget(separator);
  bar->addPermanentWidget(new QLabel(ToQString(texts::kAppTitle), bar));
  m_progress = new QProgressBar(bar);
  m_progress->setTextVisible(false);
  m_progress->setRange(0, 1000);
  bar->installEventFilter(this);
}

bool CMainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == statusBar() && event->type() == QEvent::Resize) {
    m_progress->setGeometry(250, 3, std::max(0, statusBar()->width() - 560), 17);
  }
  return QMainWindow::eventFilter(watched, event);
}

void CMainWindow::closeEvent(QCloseEvent* event) {
  // The window never closes by itself: a confirmed close ends the process.
  event->ignore();
  m_frame->OnClose();
}

void CMainWindow::OnApplicationLook(int id) {
  if (!CApplicationLook::IsLook(id)) id = CApplicationLook::kDefault;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_nAppLook = id;
  CApplicationLook::Apply(id);
  update();
  CApplicationLook::Store(id);
  QApplication::restoreOverrideCursor();
}

void CMainWindow::SetCaptionText(const std::u16string& text) { m_caption->setText(ToQString(text)); }

void CMainWindow::SetProgressRange(int lower, int upper) { m_progress->setRange(lower, std::max(lower, upper)); }

void CMainWindow::SetProgressPos(int pos) { m_progress->setValue(std::min(pos, m_progress->maximum())); }

void CMainWindow::ShowProgress(bool visible) {
  m_progress->setVisible(visible);
  m_progress->raise();
}

void CMainWindow::SelectOutputTab(int tab) { m_tabs->setCurrentIndex(tab); }

bool CMainWindow::MessageBox(const std::u16string& text, Box kind) {
  const QString message = ToQString(text);
  if (boxHandler) return boxHandler(message, kind);
  QMessageBox box(kind == Box::YesNoQuestion ? QMessageBox::Question : QMessageBox::Information,
                  ToQString(texts::kAppTitle), message,
                  kind == Box::Information ? QMessageBox::Ok : (QMessageBox::Yes | QMessageBox::No), this);
  return box.exec() == QMessageBox::Yes;
}

bool CMainWindow::RunSelectFilesDialog(CPlinthOrvexProjApp& app) {
  if (dialogRunner) return dialogRunner(app);
  CSelectFilesDlg dialog(app, [this](const QString& text, Box kind) { return MessageBox(ToWide(text), kind); }, this);
  return dialog.exec() == QDialog::Accepted;
}

std::optional<std::u16string> CMainWindow::RunSnapshotDialog(bool save) {
  if (snapshotDialogRunner) return snapshotDialogRunner(save);
  // The pattern has no dot: it takes every name that ends in MBOXVIEWCVN.
  const QString filter = QStringLiteral(".RODOVARIZIZIVAR Files (*MBOXVIEWCVN)");
  QFileDialog dialog(save ? nullptr : this, QString(), QString(), filter);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save) dialog.setDefaultSuffix(QStringLiteral("MBOXVIEWCVN"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return ToWide(dialog.selectedFiles().first());
}

void CMainWindow::SetWaitCursor(bool waiting) {
  if (waiting) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void CMainWindow::ShowAbout() {
  CPlinthAboutDlg about([this](const char* url) { OpenUrl(url); }, this);
  about.exec();
}

void CMainWindow::OpenUrl(const char* url) {
  if (urlOpener) {
    urlOpener(url);
    return;
  }
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(url)));
}

void CMainWindow::TerminateProcess() {
  if (terminator) {
    terminator();
    return;
  }
  ::_exit(255);
}

}  // namespace corvane
