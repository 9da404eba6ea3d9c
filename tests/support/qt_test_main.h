// The start of every desktop test program: a home folder of its own (the activity
// log's Desktop and the settings store go there), the preview's scheme registered
// before the application object exists, then the test object's slots.
#pragma once

#include <unistd.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include "ui/web_browser.h"

namespace corvane::test {

template <typename Test>
int RunQtTest(int argc, char** argv) {
  // The browser's sandbox refuses to start as root; tests run as root on CI machines.
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QTemporaryDir home;
  qputenv("HOME", home.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
  RegisterPreviewScheme();
  QApplication application(argc, argv);
  Test test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace corvane::test
