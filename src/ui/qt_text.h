// Conversions between the core's UTF-16 strings and the toolkit's strings.
#pragma once

#include <QString>
#include <string>

namespace corvane {

inline QString ToQString(const std::u16string& text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::u16string ToWide(const QString& text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

}  // namespace corvane
