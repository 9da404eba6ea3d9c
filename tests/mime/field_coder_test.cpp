#include <gtest/gtest.h>

#include "mime/encoded_word_codec.h"
#include "mime/mime_registry.h"

namespace corvane {
namespace {

struct Decoded {
  std::string text;
  std::string charset;
};

Decoded DecodeField(const char* name, const std::string& value) {
  std::unique_ptr<CFieldCoder> coder = CMimeRegistry::MakeFieldCoder(name);
  coder->BindInput(value.data(), static_cast<std::int64_t>(value.size()), false);
  std::string out(static_cast<std::size_t>(coder->DecodedSize()), '\0');
  out.resize(static_cast<std::size_t>(coder->Produce(out.data(), static_cast<std::int64_t>(out.size()))));
  return {out, coder->m_strCharset};
}

std::string EncodeField(const char* name, const std::string& value, const std::string& charset) {
  std::unique_ptr<CFieldCoder> coder = CMimeRegistry::MakeFieldCoder(name);
  coder->m_strCharset = charset;
  coder->BindInput(value.data(), static_cast<std::int64_t>(value.size()), true);
  std::string out(static_cast<std::size_t>(coder->EncodedSize()), '\0');
  out.resize(static_cast<std::size_t>(coder->Produce(out.data(), static_cast<std::int64_t>(out.size()))));
  return out;
}

TEST(EncodedWords, DecodeCases) {
  struct Case {
    std::string in;
    std::string out;
    std::string charset;
  };
  const std::vector<Case> cases = {
      {"=?utf-8?q?caf=C3=A9?= =?iso-8859-1?b?w6k=?=", "caf\xC3\xA9\xC3\xA9", "utf-8"},
      {"=?utf-8?Q?a?=\r\n =?utf-8?Q?b?=", "ab", "utf-8"},
      {"Hello =?utf-8?q?big_world?= again ", "Hello big world again ", "utf-8"},
      {"=?x?q?a=5Fb?=", "a_b", "x"},
      {"=?x?B?TWFu?=", "Man", "x"},
      {"=?no more marks", "=?no more marks", ""},
      {"=?x?z?abc?= tail", "=?x?z?abc?= tail", "x"},
      {"=??q?a?= =?y?q?b?=", "ab", "y"},
      {"=?x?q?runs to the end", "runs to the end", "x"},
      {"plain subject", "plain subject", ""},
      {"  =?x?q?a?=", "  a", "x"},
  };
  for (const Case& c : cases) {
    const Decoded d = DecodeField("Subject", c.in);
    EXPECT_EQ(d.text, c.out) << c.in;
    EXPECT_EQ(d.charset, c.charset) << c.in;
  }
  // Fields without a coder of their own still decode encoded words.
  EXPECT_EQ(DecodeField("Date", "=?x?q?Mon?=").text, "Mon");
}

TEST(FieldCoders, WordSplittingFollowsTheFieldKind) {
  unsigned char closer = 0;
  std::int64_t high = 0;
  const std::string text = "\"Caf\xE9 owner\" <a@b>";
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  EXPECT_EQ(CFieldCoder::NextWord(p, 0 + static_cast<std::int64_t>(text.size()), &closer, &high), 0);
  EXPECT_EQ(closer, '"');
  EXPECT_EQ(CFieldCoder::NextWord(p + 1, static_cast<std::int64_t>(text.size()) - 1, &closer, &high), 10);
  EXPECT_EQ(high, 1);
  EXPECT_EQ(closer, 0);
  EXPECT_EQ(CMimeRegistry::MakeFieldCoder("subject")->InitialCloser(), 255);
  EXPECT_TRUE(CMimeRegistry::MakeFieldCoder("Reply-To")->FoldsAfter(','));
  EXPECT_TRUE(CMimeRegistry::MakeFieldCoder("Content-Type")->FoldsAfter(';'));
  EXPECT_FALSE(CMimeRegistry::MakeFieldCoder("Date")->FoldsAfter(','));
}

TEST(FieldCoders, EncodeCases) {
  // Address lists fold after each comma; spaces after it go.
  EXPECT_EQ(EncodeField("To", "a@b,  c@d", "utf-8"), "a@b,\r\n\tc@d");
  // A display name with high bytes becomes encoded words and decodes back.
  const std::string name = "J\xC3\xBCrgen <j@x>";
  const std::string encoded = EncodeField("From", name, "utf-8");
  EXPECT_EQ(encoded.find('\xC3'), std::string::npos);
  EXPECT_EQ(DecodeField("From", encoded).text, name);
  // Text fields are one word: encoded whole when any byte is high, else unchanged.
  EXPECT_EQ(EncodeField("Subject", "plain words", "utf-8"), "plain words");
  const std::string subject = "caf\xC3\xA9 au lait";
  const std::string encodedSubject = EncodeField("Subject", subject, "utf-8");
  EXPECT_EQ(encodedSubject.rfind("=?utf-8?", 0), 0u);
  EXPECT_EQ(DecodeField("Subject", encodedSubject).text, subject);
  // Without a charset the value is copied.
  EXPECT_EQ(EncodeField("Subject", "caf\xE9", ""), "caf\xE9");
}

TEST(EncodedWords, LongAndOddCharsetsStayBounded) {
  for (const std::string& charset : {std::string("utf-8"), std::string(70, 'c')}) {
    for (int letter : {'b', 'q'}) {
      CEncodedWordCodec codec;
      codec.m_strCharset = charset;
      codec.m_nEncoding = letter;
      const std::string input(300, '\xE9');
      codec.BindInput(input.data(), static_cast<std::int64_t>(input.size()), true);
      std::string out(static_cast<std::size_t>(codec.EncodedSize()), '\0');
      const std::int64_t n = codec.EncodeInto(out.data(), static_cast<std::int64_t>(out.size()));
      ASSERT_LE(n, static_cast<std::int64_t>(out.size()));
      out.resize(static_cast<std::size_t>(n));
      CEncodedWordCodec decoder;
      decoder.BindInput(out.data(), n, false);
      std::string back(out.size(), '\0');
      back.resize(static_cast<std::size_t>(decoder.DecodeInto(back.data(), static_cast<std::int64_t>(back.size()))));
      EXPECT_EQ(back, input) << charset.size() << " " << char(letter);
    }
  }
}

}  // namespace
}  // namespace corvane
