// The activity log: one plain-text file per run on the user's Desktop, UTF-16LE with
// a byte-order mark, one line per logged step, each written straight to the file.
#pragma once

#include <ctime>
#include <string>

namespace corvane {

class CActivityLog {
 public:
  CActivityLog() = default;
  ~CActivityLog();
  CActivityLog(const CActivityLog&) = delete;
  CActivityLog& operator=(const CActivityLog&) = delete;

  // "CorvaneViewer_log_" + day-month-year-hour-minute-second without leading zeros
  // + ".txt", from local time.
  static std::u16string FileNameFor(const std::tm& local);

  // Creates the file in folder (a new file starts with FF FE) or opens it to append,
  // then writes the separator line of 149 asterisks. False when it cannot be opened;
  // later lines then go nowhere.
  bool Open(const std::u16string& folder, std::time_t start);
  // Writes the line in UTF-16LE followed by CR LF.
  void AppendLine(const std::u16string& line);

  const std::u16string& Path() const { return m_strPath; }

 private:
  std::u16string m_strPath;
  int m_fd = -1;
};

// A time as the log lines show it: "%b-%d-%Y(%I-%M-%S-%p)" in the C locale, for
// example Dec-09-2026(07-05-03-AM).
std::u16string FormatLogTime(std::time_t t);

}  // namespace corvane
