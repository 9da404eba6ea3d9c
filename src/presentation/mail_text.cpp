#include "presentation/mail_text.h"

#include <iconv.h>

#include <cctype>
#include <cerrno>
#include <cstring>
#include <vector>

#include "mime/mime_char_classes.h"
#include "platform/text.h"

namespace corvane {
namespace {

bool IsPlainCharset(std::string_view charset) {
  static constexpr std::string_view kPlain[] = {
      "utf-8",   "utf8",      "us-ascii", "ascii",  "ansi_x3.4-1968", "iso-8859-1",   "iso8859-1", "iso_8859-1",
      "latin1",  "latin-1",   "l1",       "cp819",  "ibm819",         "windows-1252", "cp1252",    "x-cp1252"};
  for (std::string_view name : kPlain) {
    if (EqualsNoCase(charset, name)) return true;
  }
  return false;
}

std::string_view TrimSpaces(std::string_view s) {
  while (!s.empty() && IsMimeSpace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && IsMimeSpace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// Converts with iconv; false when the converter does not know the charset.
bool ConvertWithIconv(std::string_view bytes, const std::string& charset, std::u16string* out) {
  iconv_t cd = ::iconv_open("UTF-16LE", charset.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  out->clear();
  std::vector<char> buffer(bytes.size() * 4 + 16);
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  auto append = [&](const char* begin, const char* end) {
    for (const char* p = begin; p + 1 < end; p += 2) {
      out->push_back(static_cast<char16_t>(static_cast<unsigned char>(p[0]) | (static_cast<unsigned char>(p[1]) << 8)));
    }
  };
  while (true) {
    char* outPtr = buffer.data();
    std::size_t outLeft = buffer.size();
    const std::size_t rc = inLeft > 0 ? ::iconv(cd, &in, &inLeft, &outPtr, &outLeft)
                                      : ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
    const int error = errno;
    append(buffer.data(), outPtr);
    if (rc != static_cast<std::size_t>(-1)) {
      if (inLeft == 0) {
        // Flush any shift state, then stop.
        outPtr = buffer.data();
        outLeft = buffer.size();
        ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        append(buffer.data(), outPtr);
        break;
      }
      continue;
    }
    if (error == E2BIG) continue;
    // An invalid or cut-off sequence: one replacement, one byte skipped.
    out->push_back(u'\uFFFD');
    ++in;
    --inLeft;
    ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (inLeft == 0) break;
  }
  ::iconv_close(cd);
  return true;
}

}  // namespace

std::u16string MailTextToWide(const char* text) {
  const std::string_view bytes(text ? text : "");
  // Units of the UTF-8 reading with the terminator, against the byte count.
  if (bytes.size() < Utf8WideLength(bytes) + 1) return AnsiToWide(bytes);
  return Utf8ToWide(bytes);
}

std::u16string HeaderTextToWide(const char* text, std::string_view charset) {
  const std::string_view name = TrimSpaces(charset);
  if (!name.empty() && !IsPlainCharset(name)) {
    std::u16string converted;
    if (ConvertWithIconv(std::string_view(text ? text : ""), std::string(name), &converted)) return converted;
  }
  return MailTextToWide(text);
}

std::u16string BodyTextToWide(std::string_view bytes, std::string_view charset) {
  std::string name(TrimSpaces(charset));
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (name == "iso-8859-1" || name == "iso8859-1" || name == "latin1" || name == "us-ascii" || name == "ascii") {
    name = "windows-1252";
  }
  std::u16string converted;
  if (!name.empty() && ConvertWithIconv(bytes, name, &converted)) return converted;
  const std::u16string asUtf8 = Utf8ToWide(bytes);
  return asUtf8.size() < bytes.size() ? asUtf8 : AnsiToWide(bytes);
}

std::u16string LastPathComponent(const std::u16string& path) {
  const std::size_t slash = path.rfind(u'/');
  return slash == std::u16string::npos ? std::u16string() : path.substr(slash + 1);
}

std::u16string FileNameInMessagePath(const std::u16string& path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  return cut == std::u16string::npos ? path : path.substr(cut + 1);
}

}  // namespace corvane
