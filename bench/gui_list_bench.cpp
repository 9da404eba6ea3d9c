// Lists a mailbox in the real main window (offscreen) and reports how long it took
// from the click on the file's node to the final message box, and the longest time
// the user-interface thread went without running a 5 ms timer.
//
// usage: gui_list_bench FILE   (prints one JSON line)
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "ui/main_window.h"
#include "ui/select_files_dlg.h"

int main(int argc, char** argv) {
  using namespace corvane;
  if (argc != 2) {
    std::fprintf(stderr, "usage: gui_list_bench FILE\n");
    return 2;
  }
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  RegisterPreviewScheme();
  QApplication application(argc, argv);
  const QString file = QString::fromLocal8Bit(argv[1]);

  CPlinthOrvexProjApp app;
  CMainWindow window(app, false);
  bool listed = false;
  QElapsedTimer clock;
  qint64 listMs = -1;
  window.boxHandler = [&](const QString& text, IFrameShell::Box) {
    if (text == QLatin1String("Click on emails items to see preview.")) {
      listMs = clock.elapsed();
      listed = true;
    }
    return true;
  };
  window.dialogRunner = [&](CPlinthOrvexProjApp& a) {
    // Through the dialog's own Add Files and OK, with the file chooser answered.
    CSelectFilesDlg dialog(a, [&](const QString& text, IFrameShell::Box) { return text.isEmpty(); }, &window);
    dialog.chooseFiles = [&] { return QStringList{file}; };
    dialog.OnAddFiles();
    while (dialog.IsWorkerRunning()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    dialog.TempPath()->setText(home.path());
    dialog.OnOK();
    return dialog.result() == QDialog::Accepted;
  };
  window.urlOpener = [](const char*) {};
  window.resize(1400, 1000);
  window.show();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  window.Frame().OnMboxOpen();
  CCheckTreeCtrl* tree = window.Tree();
  while (!(tree->topLevelItemCount() == 1 && tree->topLevelItem(0)->childCount() == 1 && !app.IsBusy())) {
    QTest::qWait(20);
  }

  // Ticks of a 5 ms timer: the largest gap is the longest the UI thread was blocked.
  QElapsedTimer tickClock;
  qint64 lastTick = 0;
  qint64 maxGap = 0;
  QTimer ticker;
  ticker.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    const qint64 now = tickClock.elapsed();
    if (now - lastTick > 50 && qEnvironmentVariableIsSet("GUI_BENCH_TRACE")) {
      std::fprintf(stderr, "gap %lld ms at %lld ms, %lld rows\n", static_cast<long long>(now - lastTick),
                   static_cast<long long>(now), static_cast<long long>(window.List()->GetItemCount()));
    }
    maxGap = std::max(maxGap, now - lastTick);
    lastTick = now;
  });
  QTreeWidgetItem* child = tree->topLevelItem(0)->child(0);
  const QPoint label = tree->LabelRect(child).center();
  tickClock.start();
  ticker.start(5);
  clock.start();
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, label);
  while (!listed) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  ticker.stop();
  std::printf("{\"messages\": %lld, \"list_seconds\": %.3f, \"max_gap_ms\": %lld}\n",
              static_cast<long long>(window.List()->GetItemCount()), listMs / 1000.0, static_cast<long long>(maxGap));
  std::fflush(stdout);
  // No orderly shutdown, as in the program itself.
  ::_exit(0);
}
