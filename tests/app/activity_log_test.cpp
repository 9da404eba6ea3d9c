#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "app/activity_log.h"
#include "platform/desktop_folder.h"
#include "support/temp_dir.h"

namespace corvane::test {
namespace {

std::string Le(const std::string& ascii) {
  std::string out;
  for (char c : ascii) out += {c, '\0'};
  return out;
}

std::time_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

TEST(ActivityLog, NameTimeAndFileFormat) {
  const std::time_t start = LocalTime(2026, 12, 9, 7, 5, 3);
  EXPECT_EQ(FormatLogTime(start), u"Dec-09-2026(07-05-03-AM)");
  EXPECT_EQ(FormatLogTime(LocalTime(2026, 1, 2, 0, 30, 0)), u"Jan-02-2026(12-30-00-AM)");
  EXPECT_EQ(FormatLogTime(LocalTime(2026, 1, 2, 13, 0, 9)), u"Jan-02-2026(01-00-09-PM)");

  TempDir dir;
  const std::string separator = Le(std::string(149, '*') + "\r\n");
  {
    CActivityLog log;
    ASSERT_TRUE(log.Open(dir.Wide(), start));
    EXPECT_EQ(log.Path(), dir.Wide() + u"/CorvaneViewer_log_9-12-2026-7-5-3.txt");
    EXPECT_EQ(ReadAll(NativePath(log.Path())), "\xFF\xFE" + separator);
    log.AppendLine(u"Processing File: /m/\u00E9.mbox");
    EXPECT_EQ(ReadAll(NativePath(log.Path())),
              "\xFF\xFE" + separator + Le("Processing File: /m/") + std::string("\xE9\0", 2) + Le(".mbox\r\n"));
  }
  // A second start in the same second appends, without a second byte-order mark.
  CActivityLog again;
  ASSERT_TRUE(again.Open(dir.Wide() + u"/", start));
  const std::string bytes = ReadAll(NativePath(again.Path()));
  EXPECT_EQ(bytes.rfind("\xFF\xFE", 0), 0u);
  EXPECT_EQ(bytes.find("\xFF\xFE", 2), std::string::npos);
  EXPECT_TRUE(bytes.ends_with(separator));
}

TEST(DesktopFolder, FollowsUserDirsElseHomeDesktop) {
  TempDir home;
  const std::string saved = std::getenv("HOME") ? std::getenv("HOME") : "";
  ::setenv("HOME", home.Path().c_str(), 1);
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(GetDesktopFolder(), home.Wide() + u"/Desktop/");
  EXPECT_TRUE(std::filesystem::is_directory(home.Path() / "Desktop"));
  std::filesystem::create_directories(home.Path() / ".config");
  std::ofstream(home.Path() / ".config" / "user-dirs.dirs") << "# comment\nXDG_DESKTOP_DIR=\"$HOME/Bureau\"\n";
  EXPECT_EQ(GetDesktopFolder(), home.Wide() + u"/Bureau/");
  ::setenv("HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace corvane::test
