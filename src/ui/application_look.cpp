#include "ui/application_look.h"

#include <QApplication>
#include <QPalette>
#include <QSettings>
#include <QStyleFactory>

namespace corvane {

namespace {

struct Look {
  const char* name;
  const char* style;
  QRgb window, button, base, alternate, text, highlight, highlightedText, dark;
};

// Classic grey; XP-like; the 2003 blue; the 2005 grey; the 2007 blue, black, silver
// and aqua.
constexpr Look kLooks[] = {
    {"Windows 2000", "Windows", 0xD4D0C8, 0xD4D0C8, 0xFFFFFF, 0xF4F2EE, 0x000000, 0x0A246A, 0xFFFFFF, 0x808080},
    {"Office XP", "Fusion", 0xF7F6F3, 0xEEEDE5, 0xFFFFFF, 0xF7F7F2, 0x000000, 0xB6BDD2, 0x000000, 0x8A867A},
    {"Windows XP", "Fusion", 0xECE9D8, 0xF2F1EA, 0xFFFFFF, 0xF5F4EC, 0x000000, 0x316AC5, 0xFFFFFF, 0xACA899},
    {"Office 2003", "Fusion", 0xD8E6F8, 0xC4DAF9, 0xFFFFFF, 0xEEF4FD, 0x000000, 0xFFC669, 0x000000, 0x6A8CCB},
    {"Visual Studio 2005", "Fusion", 0xEEEDE5, 0xF5F4EF, 0xFFFFFF, 0xF8F7F3, 0x000000, 0x3399FF, 0xFFFFFF, 0x9D9D93},
    {"Office 2007 (Blue Style)", "Fusion", 0xD5E4F2, 0xDDEAF7, 0xFFFFFF, 0xF1F6FC, 0x15428B, 0xA9C8EC, 0x000000, 0x8DB2E3},
    {"Office 2007 (Black Style)", "Fusion", 0x535353, 0x646464, 0x2B2B2B, 0x363636, 0xF0F0F0, 0xFFC84A, 0x000000, 0x1E1E1E},
    {"Office 2007 (Silver Style)", "Fusion", 0xE6E9EE, 0xEEF0F3, 0xFFFFFF, 0xF5F6F8, 0x3B3B3B, 0x9DB5D8, 0x000000, 0xA7ABB0},
    {"Office 2007 (Aqua Style)", "Fusion", 0xD3E5EC, 0xDCECF2, 0xFFFFFF, 0xF0F7FA, 0x1E4A5E, 0x71B7D1, 0x000000, 0x8CB4C4},
};

const Look& LookOf(int id) { return kLooks[CApplicationLook::IsLook(id) ? id - CApplicationLook::kFirst : 5]; }

QSettings SettingsStore() { return QSettings(QString::fromLatin1(CApplicationLook::kSettingsName)); }

}  // namespace

QString CApplicationLook::Name(int id) { return QString::fromLatin1(LookOf(id).name); }

void CApplicationLook::Apply(int id) {
  const Look& look = LookOf(id);
  if (QStyle* style = QStyleFactory::create(QString::fromLatin1(look.style))) QApplication::setStyle(style);
  QPalette palette;
  const QColor window(look.window), button(look.button), base(look.base), text(look.text), dark(look.dark);
  palette.setColor(QPalette::Window, window);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Button, button);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::AlternateBase, QColor(look.alternate));
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::ToolTipBase, base);
  palette.setColor(QPalette::ToolTipText, text);
  palette.setColor(QPalette::Highlight, QColor(look.highlight));
  palette.setColor(QPalette::HighlightedText, QColor(look.highlightedText));
  palette.setColor(QPalette::Light, button.lighter(130));
  palette.setColor(QPalette::Midlight, button.lighter(110));
  palette.setColor(QPalette::Mid, dark.lighter(120));
  palette.setColor(QPalette::Dark, dark);
  palette.setColor(QPalette::Shadow, dark.darker(150));
  palette.setColor(QPalette::Link, QColor(look.highlight).value() > 200 ? QColor(0x7F, 0xB2, 0xFF) : QColor(0x00, 0x3E, 0xB8));
  palette.setColor(QPalette::Disabled, QPalette::Text, dark);
  palette.setColor(QPalette::Disabled, QPalette::WindowText, dark);
  palette.setColor(QPalette::Disabled, QPalette::ButtonText, dark);
  QApplication::setPalette(palette);
}

int CApplicationLook::Stored() {
  bool ok = false;
  const int id = SettingsStore().value(QString::fromLatin1(kSettingsKey), kDefault).toInt(&ok);
  return ok && IsLook(id) ? id : kDefault;
}

void CApplicationLook::Store(int id) {
  QSettings settings = SettingsStore();
  settings.setValue(QString::fromLatin1(kSettingsKey), id);
  settings.sync();
}

}  // namespace corvane
