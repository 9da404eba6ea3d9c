// The application looks 210 to 218: nine sets of toolkit style and colours, chosen
// from the application button's menu and kept in the settings store as
// "ApplicationLook".
#pragma once

#include <QString>

class QSettings;

namespace corvane {

class CApplicationLook {
 public:
  static constexpr int kFirst = 210;
  static constexpr int kLast = 218;
  static constexpr int kDefault = 215;
  static constexpr char kSettingsName[] = "CorvaneRERARudirav18.0";
  static constexpr char kSettingsKey[] = "ApplicationLook";

  static bool IsLook(int id) { return id >= kFirst && id <= kLast; }
  static QString Name(int id);
  // Gives the whole application the look's style and palette.
  static void Apply(int id);
  // The stored look, the default when none (or no valid one) is stored.
  static int Stored();
  static void Store(int id);
};

}  // namespace corvane
