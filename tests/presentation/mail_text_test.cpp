#include <gtest/gtest.h>

#include "presentation/line_ends.h"
#include "presentation/mail_text.h"

namespace corvane {
namespace {

TEST(MailText, Utf8OnlyWhenItHoldsAMultiByteSequence) {
  const std::vector<std::pair<std::string, std::u16string>> cases = {
      {"plain", u"plain"},
      {"caf\xC3\xA9", u"caf\u00E9"},
      {"caf\xE9", u"caf\u00E9"},
      {"\x80 euro", u"\u20AC euro"},
      {"\xC3\xA9 and \xE9", u"\u00E9 and \uFFFD"},
      {std::string("stop\0here", 9), u"stop"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(MailTextToWide(in.c_str()), out) << in;
}

TEST(MailText, HeaderTextsUseTheirCharset) {
  struct Case {
    std::string bytes;
    const char* charset;
    std::u16string expected;
  };
  const std::vector<Case> cases = {
      {"\xF0\xD2\xC9\xD7\xC5\xD4", "koi8-r", u"\u041F\u0440\u0438\u0432\u0435\u0442"},
      {"\x1B$B$3$s$K$A$O\x1B(B", "ISO-2022-JP", u"\u3053\u3093\u306B\u3061\u306F"},
      {"+AGEAYgBj-", "utf-7", u"abc"},
      {"\xC4\xE3\xBA\xC3", " GB2312 ", u"\u4F60\u597D"},
      // Charsets read the plain way, whatever the encoded word said.
      {"caf\xE9", "ISO-8859-1", u"caf\u00E9"},
      {"caf\xC3\xA9", "latin1", u"caf\u00E9"},
      {"caf\xE9", "", u"caf\u00E9"},
      {"caf\xE9", "no-such-charset", u"caf\u00E9"},
      // An invalid sequence gives one replacement and conversion goes on.
      {"a\xFF" "b", "EUC-KR", u"a\uFFFDb"},
  };
  for (const Case& c : cases) EXPECT_EQ(HeaderTextToWide(c.bytes.c_str(), c.charset), c.expected) << c.charset;
}

TEST(MailText, PathComponents) {
  EXPECT_EQ(LastPathComponent(u"/mail/inbox.mbox"), u"inbox.mbox");
  EXPECT_EQ(LastPathComponent(u"inbox.mbox"), u"");
  EXPECT_EQ(FileNameInMessagePath(u"C:\\mail\\Attachments\\report.doc"), u"report.doc");
  EXPECT_EQ(FileNameInMessagePath(u"/a\\b/c.txt"), u"c.txt");
  EXPECT_EQ(FileNameInMessagePath(u"plain.txt"), u"plain.txt");
}

TEST(LineEnds, NormalisationCases) {
  struct Case {
    std::string in;
    bool changed;
    std::string out;
  };
  const std::vector<Case> cases = {
      {"a\nb\n", true, "a\r\nb\r\n"},
      {"\nb", true, "\r\nb"},
      {"a\rb\r", true, "a\r\nb\r\n"},
      {"a\r\nb\nc", false, ""},
      {"plain", true, "plain"},
      // A NUL before the first CR LF hides it: the message counts as having none.
      {std::string("a\0\r\nb\nc", 7), true, std::string("a\0\r\nb\r\nc", 8)},
      {std::string("a\0\r\nb\rc", 7), true, std::string("a\0\r\n\nb\r\nc", 9)},
  };
  for (const Case& c : cases) {
    std::string out;
    EXPECT_EQ(NormalizeLineEnds(c.in, &out), c.changed) << c.in;
    if (c.changed) {
      EXPECT_EQ(out, c.out) << c.in;
    }
  }
}

}  // namespace
}  // namespace corvane
