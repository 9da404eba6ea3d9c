// The whole program as a user meets it: the real main window opens a small MBOX
// file through the dialog's OK, lists it from a click on its node's label, shows a
// message with an HTML part, an inline image and an attachment, and is
// photographed.
#include <QApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "support/qt_test_main.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/select_files_dlg.h"
#include "ui/web_browser.h"

namespace corvane {

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void OpenListAndPreview();
};

namespace {

// How many pixels of image are close to colour.
int CountNear(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) < 40 && std::abs(pixel.green() - colour.green()) < 40 &&
          std::abs(pixel.blue() - colour.blue()) < 40) {
        ++count;
      }
    }
  }
  return count;
}

}  // namespace

void EndToEndTest::OpenListAndPreview() {
  QTemporaryDir workBase;
  CPlinthOrvexProjApp app;
  CMainWindow window(app);
  QStringList boxes;
  window.boxHandler = [&](const QString& text, IFrameShell::Box) {
    boxes << text;
    return true;
  };
  QStringList urls;
  window.urlOpener = [&](const char* url) { urls << QString::fromLatin1(url); };
  bool terminated = false;
  window.terminator = [&] { terminated = true; };
  const QString fixture = QStringLiteral(CORVANE_UI_TEST_DATA_DIR "/e2e.mbox");
  window.dialogRunner = [&](CPlinthOrvexProjApp& a) {
    // Through the dialog's own Add Files and OK, with the file chooser answered.
    CSelectFilesDlg dialog(
        a,
        [&](const QString& text, IFrameShell::Box) {
          boxes << text;
          return true;
        },
        &window);
    dialog.chooseFiles = [&] { return QStringList{fixture}; };
    dialog.OnAddFiles();
    while (dialog.IsWorkerRunning()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    dialog.TempPath()->setText(workBase.path());
    dialog.OnOK();
    return dialog.result() == QDialog::Accepted;
  };
  window.resize(1400, 1000);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(!window.StopButton()->isEnabled());

  QTest::mouseClick(window.findChild<QToolButton*>(QStringLiteral("ID_MBOX_OPEN")), Qt::LeftButton);
  CCheckTreeCtrl* tree = window.Tree();
  QTRY_VERIFY_WITH_TIMEOUT(tree->topLevelItemCount() == 1 && tree->topLevelItem(0)->childCount() == 1, 10000);
  QTRY_VERIFY_WITH_TIMEOUT(!app.IsBusy() && !window.Frame().IsWorkerRunning(), 10000);
  QTreeWidgetItem* child = tree->topLevelItem(0)->child(0);
  QCOMPARE(tree->topLevelItem(0)->text(0), fixture);
  QCOMPARE(child->text(0), QStringLiteral("e2e.mbox(2)"));
  QVERIFY(boxes.contains(QStringLiteral(
      "Scanning process completed for selected file, click on folder to see recovered email items.")));

  // A click on the child node's label lists the file.
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->LabelRect(child).center());
  QTRY_VERIFY_WITH_TIMEOUT(boxes.contains(QStringLiteral("Click on emails items to see preview.")), 10000);
  QTRY_VERIFY_WITH_TIMEOUT(!app.IsBusy() && !window.Frame().IsWorkerRunning(), 10000);
  CPlinthToolsTopListCtrl* list = window.List();
  QCOMPARE(list->GetItemCount(), 2);
  QCOMPARE(window.Caption()->text(), QStringLiteral("e2e.mbox [2]"));
  QCOMPARE(list->Model()->index(1, 4).data().toString(), QStringLiteral("Quarterly figures with chart"));
  QVERIFY(list->Model()->index(1, 1).data(Qt::DecorationRole).value<QIcon>().isNull() == false);
  QVERIFY(list->Model()->index(0, 1).data(Qt::DecorationRole).isNull());

  // A click on the second message shows it.
  CPlinthStaticViewer* preview = window.Preview();
  QSignalSpy loaded(preview->Browser(), &QWebEngineView::loadFinished);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->Model()->index(1, 4)).center());
  QTRY_VERIFY_WITH_TIMEOUT(!app.IsBusy() && !window.Frame().IsWorkerRunning(), 10000);
  QCOMPARE(window.OutputTabs()->currentIndex(), 1);
  QTRY_VERIFY_WITH_TIMEOUT(preview->Browser()->url().scheme() == QLatin1String(kPreviewScheme) && !loaded.isEmpty() &&
                               loaded.last().at(0).toBool(),
                           15000);
  QCOMPARE(preview->Subject(), QStringLiteral("Quarterly figures with chart"));
  QCOMPARE(preview->From(), QStringLiteral("Carol Jones <carol@example.org>"));
  QCOMPARE(preview->To(), QStringLiteral("Dan Brown <dan@example.org>"));
  QCOMPARE(preview->Date(), QStringLiteral("Tue, 8 Dec 2026 11:30:00 +0100"));
  QCOMPARE(preview->Attachments()->count(), 1);
  QCOMPARE(preview->Attachments()->item(0)->text(), QStringLiteral("figures.pdf"));

  // The page itself: the red block of the HTML part and the blue inline image.
  QImage page;
  QTRY_VERIFY_WITH_TIMEOUT((page = preview->Browser()->grab().toImage(), CountNear(page, QColor(255, 0, 0)) > 20000 &&
                                                                           CountNear(page, QColor(0, 0, 255)) > 4000),
                           15000);
  QCOMPARE(preview->Browser()->Filter().BlockedCount(), 0);

  const QImage shot = window.grab().toImage();
  QVERIFY(shot.save(QStringLiteral(CORVANE_SCREENSHOT_DIR "/corvane-viewer.png")));
  // The header texts are painted into the pane's header box.
  const QImage pane = preview->grab().toImage();
  QVERIFY(CountNear(pane.copy(12, 12, 400, 60), preview->palette().color(QPalette::Text)) > 50);

  // Closing: asked, confirmed, logged, and the process would end.
  window.close();
  QVERIFY(terminated);
  QCOMPARE(window.LogViewer()->item(window.LogViewer()->count() - 1)->text(), QStringLiteral("Application has been closed."));
  QCOMPARE(urls, QStringList{QStringLiteral("https://www.corvane.example/zode-zeri-rivedu/")});
}

}  // namespace corvane

int main(int argc, char** argv) { return corvane::test::RunQtTest<corvane::EndToEndTest>(argc, argv); }

#include "e2e_test.moc"
