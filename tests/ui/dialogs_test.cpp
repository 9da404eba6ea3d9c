// The desktop program's dialogs and small windows, offscreen: the file selection
// dialog's rules, the snapshot commands through the main window, the splash
// screen's shape and timing, the About box and the application looks. Screenshots
// of the dialog and of every look are written beside the build.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_test_main.h"
#include "app/app_texts.h"
#include "platform/temp_files.h"
#include "snapshot/snapshot_file.h"
#include "ui/about_dlg.h"
#include "ui/application_look.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/select_files_dlg.h"
#include "ui/splash_wnd.h"

namespace corvane {

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void AddFilesSkipsDuplicatesAndReportsMissingNames();
  void RemoveTakesEverySelectedRow();
  void OkChecksTheTemporaryPathAndTheList();
  void SearchListsEveryFileAndEndsBeforeTheDialog();
  void EnterAndEscapeDoNotClose();
  void SnapshotThroughTheCommands();
  void SplashIsShapedAndFades();
  void AboutBoxClosesOnlyWithOk();
  void LooksAreStoredAndApplied();

 private:
  QStringList m_boxes;
  CSelectFilesDlg::BoxFn Recorder() {
    return [this](const QString& text, IFrameShell::Box) {
      m_boxes << text;
      return true;
    };
  }
  static void WaitFor(const CSelectFilesDlg& dialog) {
    QTRY_VERIFY_WITH_TIMEOUT(!dialog.IsWorkerRunning(), 10000);
  }
  static QStringList Rows(const CSelectFilesDlg& dialog) {
    QStringList rows;
    for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i) rows << dialog.List()->topLevelItem(i)->text(0);
    return rows;
  }
  static QString Touch(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write("From x\n");
    return path;
  }
};

void DialogsTest::AddFilesSkipsDuplicatesAndReportsMissingNames() {
  QTemporaryDir dir;
  const QString a = Touch(dir, QStringLiteral("a.mbox"));
  const QString upper = Touch(dir, QStringLiteral("A.mbox"));  // another file on this system
  CPlinthOrvexProjApp app;
  m_boxes.clear();
  CSelectFilesDlg dialog(app, Recorder());
  QCOMPARE(dialog.Status()->text(), QStringLiteral("Add files to continue the process."));
  QVERIFY(dialog.Progress()->isHidden() && dialog.StopButton()->isHidden());
  dialog.chooseFiles = [&] {
    return QStringList{a, dir.filePath(QStringLiteral("gone.mbox")), dir.path() + QStringLiteral("/./a.mbox"), upper,
                       dir.filePath(QStringLiteral("also-gone"))};
  };
  dialog.OnAddFiles();
  WaitFor(dialog);
  QCOMPARE(Rows(dialog), (QStringList{a, upper}));
  QCOMPARE(m_boxes, (QStringList{QStringLiteral("Selected file is not valid."), QStringLiteral("Selected file is not valid.")}));
  QCOMPARE(dialog.Status()->text(), QStringLiteral("Total number of files: [2]"));
  QVERIFY(dialog.Progress()->isHidden());

  // A second round adds only what is new.
  dialog.chooseFiles = [&] { return QStringList{upper, Touch(dir, QStringLiteral("b.imm"))}; };
  dialog.OnAddFiles();
  WaitFor(dialog);
  QCOMPARE(Rows(dialog).size(), 3);
}

void DialogsTest::RemoveTakesEverySelectedRow() {
  QTemporaryDir dir;
  QStringList paths;
  for (int i = 0; i < 5; ++i) paths << Touch(dir, QStringLiteral("m%1.mbox").arg(i));
  CPlinthOrvexProjApp app;
  app.m_selectedFiles = {u"/left/over"};
  m_boxes.clear();
  CSelectFilesDlg dialog(app, Recorder());
  dialog.OnRemove();
  dialog.OnRemoveAll();
  QCOMPARE(m_boxes, (QStringList{QStringLiteral("No file(s) is present in the list to remove."),
                                 QStringLiteral("No file is present in the list to remove")}));
  dialog.chooseFiles = [&] { return paths; };
  dialog.OnAddFiles();
  WaitFor(dialog);
  m_boxes.clear();
  dialog.OnRemove();
  QCOMPARE(m_boxes, QStringList{QStringLiteral("No file(s) selected to remove.")});

  for (int row : {0, 2, 4}) dialog.List()->topLevelItem(row)->setSelected(true);
  dialog.OnRemove();
  QCOMPARE(Rows(dialog), (QStringList{paths[1], paths[3]}));
  QCOMPARE(dialog.Status()->text(), QStringLiteral("Total number of files: [2]"));
  dialog.OnRemoveAll();
  QVERIFY(Rows(dialog).isEmpty());
  QVERIFY(app.m_selectedFiles.empty());
  QCOMPARE(dialog.Status()->text(), QStringLiteral("Add files to continue the process."));
}

void DialogsTest::OkChecksTheTemporaryPathAndTheList() {
  QTemporaryDir dir;
  CPlinthOrvexProjApp app;
  m_boxes.clear();
  {
    CSelectFilesDlg dialog(app, Recorder());
    dialog.TempPath()->setText(dir.filePath(QStringLiteral("missing")));
    dialog.OnOK();
    QVERIFY(app.m_strTempBase.empty());
    dialog.TempPath()->setText(dir.path());
    dialog.OnOK();
    QCOMPARE(ToQString(app.m_strTempBase), dir.path());  // set before the empty list is refused
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(m_boxes, (QStringList{ToQString(texts::kInvalidTempPath), ToQString(texts::kSelectFilesToContinue)}));

    const QString a = Touch(dir, QStringLiteral("a.mbox"));
    dialog.chooseFiles = [&] { return QStringList{a}; };
    dialog.OnAddFiles();
    WaitFor(dialog);
    dialog.OnOK();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(app.m_selectedFiles, std::vector<std::u16string>{ToWide(a)});
    dialog.show();
    QVERIFY(dialog.grab().save(QStringLiteral(CORVANE_SCREENSHOT_DIR "/select-file-dialog.png")));
  }
  // Shown again: an empty list and the system temporary folder.
  CSelectFilesDlg again(app, Recorder());
  QVERIFY(Rows(again).isEmpty());
  QCOMPARE(again.TempPath()->text(), ToQString(GetTempPathW()));
  // The folder browser: a folder that exists is taken; a field left invalid is said.
  again.chooseFolder = [&](const QString& caption) {
    return caption == QLatin1String("Select temporary folder path.") ? dir.path() : QString();
  };
  m_boxes.clear();
  again.OnBrowseTemp();
  QCOMPARE(again.TempPath()->text(), dir.path());
  QVERIFY(m_boxes.isEmpty());
}

void DialogsTest::SearchListsEveryFileAndEndsBeforeTheDialog() {
  QTemporaryDir dir;
  const QStringList expected{Touch(dir, QStringLiteral("x/y/deep.mbox")), Touch(dir, QStringLiteral("x/no-extension")),
                             Touch(dir, QStringLiteral("top.imm"))};
  CPlinthOrvexProjApp app;
  m_boxes.clear();
  {
    CSelectFilesDlg dialog(app, Recorder());
    dialog.chooseFolder = [&](const QString&) { return QStringLiteral("  ") + dir.path() + QStringLiteral(" "); };
    dialog.OnSearchFile();
    WaitFor(dialog);
    QStringList rows = Rows(dialog);
    rows.sort();
    QStringList sorted = expected;
    sorted.sort();
    QCOMPARE(rows, sorted);
    QCOMPARE(dialog.Status()->text(), QStringLiteral("Total number of files: [3]"));
    QVERIFY(dialog.Progress()->isHidden());
  }
  // A dialog that ends while a worker runs stops it and waits for it first.
  QTemporaryDir many;
  for (int i = 0; i < 3000; ++i) Touch(many, QStringLiteral("d%1/f%2").arg(i % 30).arg(i));
  CSelectFilesDlg dialog(app, Recorder());
  dialog.chooseFolder = [&](const QString&) { return many.path(); };
  dialog.OnSearchFile();
  QVERIFY(dialog.IsWorkerRunning() || dialog.List()->topLevelItemCount() == 3000);
  dialog.OnSearchFile();  // refused while it runs
  dialog.reject();
  QVERIFY(!dialog.IsWorkerRunning());
  QVERIFY(dialog.List()->topLevelItemCount() <= 3000);
}

void DialogsTest::EnterAndEscapeDoNotClose() {
  CPlinthOrvexProjApp app;
  CSelectFilesDlg dialog(app, Recorder());
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  QTest::keyClick(&dialog, Qt::Key_Escape);
  QTest::keyClick(&dialog, Qt::Key_Return);
  QVERIFY(dialog.isVisible());
  QCOMPARE(dialog.result(), 0);
}

void DialogsTest::SnapshotThroughTheCommands() {
  QTemporaryDir dir;
  const QString mailbox = Touch(dir, QStringLiteral("x/m.mbox"));
  MailboxEntry entry = MakeMailboxEntry(ToWide(mailbox), nullptr);
  entry.pReader->m_offsets = {0, 120, 300};
  std::vector<MailboxEntry> entries;
  entries.push_back(std::move(entry));
  std::string error;
  const std::u16string good = ToWide(dir.filePath(QStringLiteral("good.MBOXVIEWCVN")));
  QVERIFY(WriteSnapshot(good, entries, &error));
  QFile bad(dir.filePath(QStringLiteral("bad.MBOXVIEWCVN")));
  QVERIFY(bad.open(QIODevice::WriteOnly));
  bad.write(QByteArray("\x02\x00\x00\x00\x05\x00\x00\x00", 8));
  bad.close();

  CPlinthOrvexProjApp app;
  CMainWindow window(app, false);
  QStringList boxes;
  window.boxHandler = [&](const QString& text, IFrameShell::Box) {
    boxes << text;
    return true;
  };
  std::u16string chosen = good;
  std::vector<bool> asked;
  window.snapshotDialogRunner = [&](bool save) {
    asked.push_back(save);
    return std::optional<std::u16string>(chosen);
  };
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);  // Load Snapshot
  QCOMPARE(asked, std::vector<bool>{false});
  CCheckTreeCtrl* tree = window.Tree();
  QCOMPARE(tree->topLevelItemCount(), 1);
  QCOMPARE(tree->topLevelItem(0)->text(0), mailbox);
  QCOMPARE(tree->topLevelItem(0)->childCount(), 1);
  QCOMPARE(tree->topLevelItem(0)->child(0)->text(0), QStringLiteral("m.mbox(2)"));
  QCOMPARE(boxes, QStringList{QStringLiteral("Loading snapshot process completed.")});

  boxes.clear();
  chosen = ToWide(bad.fileName());
  window.Frame().OnLoadSnapshot();
  QCOMPARE(boxes, QStringList{QString::fromLatin1(kSnapshotDamaged)});
  QCOMPARE(tree->topLevelItemCount(), 1);
  QCOMPARE(window.Frame().m_entries.size(), std::size_t{1});

  // Saved again through the command, the file is the one that was loaded.
  chosen = ToWide(dir.filePath(QStringLiteral("again.MBOXVIEWCVN")));
  QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);  // Save Snapshot
  QCOMPARE(asked.back(), true);
  QFile first(QString::fromStdU16String(good)), second(QString::fromStdU16String(chosen));
  QVERIFY(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
  QCOMPARE(second.readAll(), first.readAll());
}

void DialogsTest::SplashIsShapedAndFades() {
  QPointer<CSplashWnd> splash = new CSplashWnd(nullptr, 2000, 15);
  const QImage picture = CSplashWnd::ProgramBitmap();
  splash->SetBitmap(picture);
  splash->SetText(QStringLiteral("v18.0"));
  QCOMPARE(splash->size(), picture.size());
  QVERIFY(splash->windowFlags() & Qt::Tool);  // no task-bar entry
  QVERIFY(splash->windowFlags() & Qt::WindowDoesNotAcceptFocus);
  QVERIFY(splash->testAttribute(Qt::WA_ShowWithoutActivating));
  // Exactly the magenta pixels are outside the window's shape.
  const QRegion shape = splash->mask();
  int seeThrough = 0;
  for (int y = 0; y < picture.height(); y += 3) {
    for (int x = 0; x < picture.width(); x += 3) {
      const bool magenta = picture.pixel(x, y) == CSplashWnd::kSeeThrough;
      seeThrough += magenta;
      QCOMPARE(shape.contains(QPoint(x, y)), !magenta);
    }
  }
  QVERIFY(seeThrough > 0);

  QElapsedTimer clock;
  clock.start();
  splash->ShowSplash();
  QVERIFY(splash->isVisible());
  QTRY_VERIFY_WITH_TIMEOUT(splash->windowOpacity() > 0.99, 2000);
  QVERIFY(clock.elapsed() >= CSplashWnd::kFadeInMs - 50);
  QTest::qWait(1500);
  QVERIFY(splash);  // still there 2 s after the start
  QTRY_VERIFY_WITH_TIMEOUT(!splash, 4000);
  QVERIFY(clock.elapsed() >= CSplashWnd::kFadeInMs + 2000 + CSplashWnd::kFadeOutMs - 100);
}

void DialogsTest::AboutBoxClosesOnlyWithOk() {
  QStringList opened;
  CPlinthAboutDlg about([&](const char* url) { opened << QString::fromLatin1(url); });
  about.show();
  QVERIFY(QTest::qWaitForWindowExposed(&about));
  QCOMPARE(about.windowTitle(), QStringLiteral("Corvane ZODE Zeri Rivedu v18.0"));
  QTest::keyClick(&about, Qt::Key_Escape);
  QTest::keyClick(&about, Qt::Key_Enter);
  QVERIFY(about.isVisible());
  QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("OK")), Qt::LeftButton);
  QVERIFY(!about.isVisible());
  QCOMPARE(about.result(), int(QDialog::Accepted));
}

void DialogsTest::LooksAreStoredAndApplied() {
  QSettings(QString::fromLatin1(CApplicationLook::kSettingsName)).clear();
  CPlinthOrvexProjApp app;
  {
    CMainWindow window(app, false);
    QCOMPARE(window.ApplicationLook(), 215);
    window.resize(1000, 700);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QColor previous;
    for (int id = CApplicationLook::kFirst; id <= CApplicationLook::kLast; ++id) {
      window.OnApplicationLook(id);
      QCOMPARE(CApplicationLook::Stored(), id);
      const QColor background = QApplication::palette().color(QPalette::Window);
      QVERIFY(background != previous);
      previous = background;
      QCoreApplication::processEvents();
      QVERIFY(window.grab().save(QStringLiteral(CORVANE_SCREENSHOT_DIR "/look-%1.png").arg(id)));
    }
    window.OnApplicationLook(216);
  }
  QCOMPARE(QSettings(QString::fromLatin1(CApplicationLook::kSettingsName)).value("ApplicationLook").toInt(), 216);
  CApplicationLook::Apply(210);
  CMainWindow reopened(app, false);
  QCOMPARE(reopened.ApplicationLook(), 216);
  QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(0x535353));
  QSettings(QString::fromLatin1(CApplicationLook::kSettingsName)).setValue("ApplicationLook", 999);
  QCOMPARE(CApplicationLook::Stored(), 215);
}

}  // namespace corvane

int main(int argc, char** argv) { return corvane::test::RunQtTest<corvane::DialogsTest>(argc, argv); }

#include "dialogs_test.moc"
