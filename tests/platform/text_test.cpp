#include <gtest/gtest.h>

#include "platform/text.h"

namespace corvane {
namespace {

TEST(Text, Utf8InvalidBytesBecomeOneReplacementEach) {
  struct Case {
    std::string in;
    std::u16string out;
  };
  const std::vector<Case> cases = {
      {"plain", u"plain"},
      {"\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},
      {"\xF0\x9F\x98\x80", u"\U0001F600"},
      {"\xC0\xAF", u"\uFFFD\uFFFD"},              // overlong
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},    // surrogate
      {"\xE9t\xE9", u"\uFFFDt\uFFFD"},            // Latin-1 bytes
      {"\xE2\x82", u"\uFFFD\uFFFD"},              // cut off
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // above U+10FFFF
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Utf8ToWide(c.in), c.out) << c.in;
    EXPECT_EQ(Utf8WideLength(c.in), c.out.size()) << c.in;
  }
}

TEST(Text, WideToUtf8RoundTripsAndReplacesLoneSurrogates) {
  const std::u16string text = u"a\u00E9\u20AC\U0001F600";
  EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
  EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

TEST(Text, AnsiIsWindows1252BothWays) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string wide = AnsiToWide(all);
  EXPECT_EQ(wide[0x80], u'\u20AC');
  EXPECT_EQ(wide[0x9F], u'\u0178');
  EXPECT_EQ(wide[0x81], u'\u0081');
  EXPECT_EQ(wide[0x9D], u'\u009D');
  EXPECT_EQ(wide[0xE9], u'\u00E9');
  EXPECT_EQ(WideToAnsi(wide), all);
  EXPECT_EQ(WideToAnsi(u"\u4E2D\U0001F600"), "???");
}

}  // namespace
}  // namespace corvane
