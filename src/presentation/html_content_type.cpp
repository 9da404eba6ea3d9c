#include "presentation/html_content_type.h"

#include <cstring>
#include <string_view>

#include "mime/find_bytes.h"
#include "mime/mime_char_classes.h"

namespace corvane {
namespace {

constexpr std::string_view kMarker = "\r\nContent-Type:";

bool StartsWith(const char* at, const char* end, std::string_view prefix) {
  return static_cast<std::size_t>(end - at) >= prefix.size() && std::memcmp(at, prefix.data(), prefix.size()) == 0;
}

}  // namespace

std::uint64_t ForceHtmlContentType(MessageBuffer& buffer, std::uint64_t n) {
  if (n <= kMarker.size()) return n;
  const char* data = buffer.get();
  const char* end = data + n;
  // Marker positions run up to n - 16, as a match must leave a byte after it; after a
  // match the scan goes on at the second byte after its colon.
  const char* scanEnd = end - 1;
  const char* first = nullptr;
  for (const char* at = FindBytes(data, kMarker.data(), kMarker.size(), scanEnd); at;
       at = FindBytes(at + kMarker.size() + 1, kMarker.data(), kMarker.size(), scanEnd)) {
    if (!first) first = at;
    const char* value = at + kMarker.size();
    for (std::string_view prefix : {" text/html", "text/html", " text/plain", "text/plain"}) {
      if (StartsWith(value, end, prefix)) return n;
    }
  }
  if (!first) return n;
  // A multipart keeps its structure: forcing HTML on it would show the raw body.
  const char* value = first + kMarker.size();
  while (value < end && *value == ' ') ++value;
  if (static_cast<std::size_t>(end - value) >= 10 && EqualsNoCase(std::string_view(value, 10), "multipart/")) return n;
  const char* cr = static_cast<const char*>(std::memchr(first + kMarker.size(), '\r', static_cast<std::size_t>(end - first) - kMarker.size()));
  if (!cr) return n;
  const std::size_t keep = static_cast<std::size_t>(first - data) + 2;
  const std::size_t line = sizeof kForcedHtmlContentType - 1;
  const std::size_t rest = static_cast<std::size_t>(end - cr) - 1;
  const std::size_t length = keep + line + rest;
  MessageBuffer rewritten(static_cast<char*>(std::calloc(length + 1, 1)));
  if (!rewritten) return n;
  std::memcpy(rewritten.get(), data, keep);
  std::memcpy(rewritten.get() + keep, kForcedHtmlContentType, line);
  std::memcpy(rewritten.get() + keep + line, cr + 1, rest);
  buffer = std::move(rewritten);
  return length;
}

}  // namespace corvane
