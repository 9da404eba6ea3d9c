#include <gtest/gtest.h>

#include <cstring>

#include "presentation/html_content_type.h"

namespace corvane {
namespace {

std::string Force(const std::string& message) {
  MessageBuffer buffer(static_cast<char*>(std::calloc(message.size() + 1, 1)));
  std::memcpy(buffer.get(), message.data(), message.size());
  const std::uint64_t n = ForceHtmlContentType(buffer, message.size());
  return std::string(buffer.get(), static_cast<std::size_t>(n));
}

const std::string kLine = "Content-Type: text/html; charset=\"ISO-8859-1\"";

TEST(ForceHtmlContentType, Cases) {
  const std::string head = "From a\r\nSubject: s\r\n";
  struct Case {
    const char* name;
    std::string in;
    std::string out;
  };
  const std::vector<Case> cases = {
      {"single image part is rewritten", head + "Content-Type: image/png\r\n\r\nxx", head + kLine + "\n\r\nxx"},
      {"text/plain stays", head + "Content-Type: text/plain\r\n\r\nxx", ""},
      {"text/html without space stays", head + "Content-Type:text/html\r\n\r\nxx", ""},
      {"other letter case counts as no text", head + "content-type: text/plain\r\nContent-Type: image/gif\r\n\r\n",
       head + "content-type: text/plain\r\n" + kLine + "\n\r\n"},
      {"two spaces do not count", head + "Content-Type:  text/plain\r\n\r\nx",
       head + kLine + "\n\r\nx"},
      {"folded parameters stay behind the new line",
       head + "Content-Type: application/octet-stream;\r\n name=\"a.bin\"\r\n\r\nx",
       head + kLine + "\n name=\"a.bin\"\r\n\r\nx"},
      {"multipart is left alone", head + "Content-Type: Multipart/Mixed; boundary=b\r\n\r\n--b\r\nContent-Type: image/png\r\n", ""},
      {"no marker after CR LF", "Content-Type: image/png\r\n\r\nx", ""},
      {"no CR after the marker", head + "Content-Type: image/png", ""},
      {"LF-only message", "From a\nContent-Type: image/png\n\nx", ""},
  };
  for (const Case& c : cases) {
    const std::string expected = c.out.empty() ? c.in : c.out;
    EXPECT_EQ(Force(c.in), expected) << c.name;
  }
  EXPECT_EQ(kLine.size(), 45u);
}

}  // namespace
}  // namespace corvane
