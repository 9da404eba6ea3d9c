#include "app/activity_log.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/file.h"
#include "platform/text.h"

namespace corvane {
namespace {

std::string Utf16Le(const std::u16string& text) {
  std::string out;
  out.reserve(text.size() * 2 + 4);
  for (char16_t c : text) {
    out.push_back(static_cast<char>(c & 0xFF));
    out.push_back(static_cast<char>(c >> 8));
  }
  return out;
}

}  // namespace

CActivityLog::~CActivityLog() {
  if (m_fd >= 0) ::close(m_fd);
}

std::u16string CActivityLog::FileNameFor(const std::tm& local) {
  char name[96];
  std::snprintf(name, sizeof name, "CorvaneViewer_log_%d-%d-%d-%d-%d-%d.txt", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return Widen(name);
}

bool CActivityLog::Open(const std::u16string& folder, std::time_t start) {
  std::tm local{};
  ::localtime_r(&start, &local);
  std::u16string dir = folder;
  if (!dir.empty() && dir.back() != u'/') dir.push_back(u'/');
  m_strPath = dir + FileNameFor(local);
  if (m_fd >= 0) ::close(m_fd);
  const std::string native = NativePath(m_strPath);
  m_fd = ::open(native.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (m_fd >= 0) {
    WriteAllBytes(m_fd, "\xFF\xFE");
  } else {
    m_fd = ::open(native.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NOFOLLOW);
  }
  if (m_fd < 0) return false;
  AppendLine(std::u16string(149, u'*'));
  return true;
}

void CActivityLog::AppendLine(const std::u16string& line) { WriteAllBytes(m_fd, Utf16Le(line + u"\r\n")); }

std::u16string FormatLogTime(std::time_t t) {
  static constexpr const char* kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::tm local{};
  ::localtime_r(&t, &local);
  const int hour12 = local.tm_hour % 12 == 0 ? 12 : local.tm_hour % 12;
  char text[64];
  std::snprintf(text, sizeof text, "%s-%02d-%04d(%02d-%02d-%02d-%s)", kMonths[local.tm_mon], local.tm_mday,
                local.tm_year + 1900, hour12, local.tm_min, local.tm_sec, local.tm_hour < 12 ? "AM" : "PM");
  return Widen(text);
}

}  // namespace corvane
