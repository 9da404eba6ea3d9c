// corvane-viewer: the desktop program.
#include <QApplication>
#include <QMessageBox>

#include "app/app_texts.h"
#include "app/application.h"
#include "platform/instance_guard.h"
#include "ui/main_window.h"
#include "ui/qt_text.h"
#include "ui/web_browser.h"

int main(int argc, char** argv) {
  using namespace corvane;
  // Held for the whole run; the kernel releases it when the process ends.
  static CInstanceGuard guard(kInstanceGuardName);
  RegisterPreviewScheme();
  QApplication application(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("CorvaneRERARudirav18.0"));
  QApplication::setApplicationName(QStringLiteral("CorvaneRERARudirav18.0"));
  QApplication::setDesktopFileName(QStringLiteral("corvane-viewer"));
  if (guard.AlreadyExists()) {
    QMessageBox box(QMessageBox::Information, ToQString(texts::kAppTitle), ToQString(texts::kAnotherInstance),
                    QMessageBox::Ok);
    box.exec();
    return 0;
  }
  static CPlinthOrvexProjApp app;
  auto* window = new CMainWindow(app);
  window->showMaximized();
  return QApplication::exec();
}
