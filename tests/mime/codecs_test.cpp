#include <gtest/gtest.h>

#include <random>

#include "mime/base64_codec.h"
#include "mime/mime_registry.h"
#include "mime/quoted_printable_codec.h"

namespace corvane {
namespace {

std::string RunCodec(CMimeCodec& codec, const std::string& input, bool encode) {
  codec.BindInput(input.data(), static_cast<std::int64_t>(input.size()), encode);
  std::string out(static_cast<std::size_t>(codec.OutputSize()), '\0');
  out.resize(static_cast<std::size_t>(codec.Produce(out.data(), static_cast<std::int64_t>(out.size()))));
  return out;
}

std::string Decode(CMimeCodec&& codec, const std::string& input) { return RunCodec(codec, input, false); }
std::string Encode(CMimeCodec&& codec, const std::string& input) { return RunCodec(codec, input, true); }

TEST(Base64Codec, DecodesUntilTheFirstByteOutsideTheAlphabet) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"TWFu", "Man"},         {"TWE=", "Ma"},         {"TQ==", "M"},
      {"TW\r\nFu", "Man"},     {"TW Fu", "M"},         {"TWFuTWFu", "ManMan"},
      {"TWFu=TWFu", "Man"},    {"TWF", "Ma"},          {"", ""},
      {"!TWFu", ""},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Decode(CBase64Codec(), in), out) << in;
}

TEST(Base64Codec, EncodesLinesOfSeventySixCharacters) {
  const std::string one = Encode(CBase64Codec(true), std::string(57, 'a'));
  EXPECT_EQ(one.size(), 78u);
  EXPECT_EQ(one.substr(76), "\r\n");
  const std::string two = Encode(CBase64Codec(true), std::string(58, 'a'));
  EXPECT_EQ(two.substr(76), "\r\nYQ==\r\n");
  EXPECT_EQ(Encode(CBase64Codec(false), "Ma"), "TWE=");
  // Without room for the fill the fill is left out.
  CBase64Codec codec(false);
  codec.BindInput("M", 1, true);
  char out[3];
  EXPECT_EQ(codec.EncodeInto(out, 3), 2);
}

TEST(QuotedPrintableCodec, DecodingQuirks) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a=3Db", "a=b"},      {"a=3db", "a=b"},  {"a=\r\nb", "ab"},   {"a=G1b", "aG1b"},
      {"ab=", "ab"},         {"ab=4", "ab"},    {"=a1", "a1"},       {"=41=42", "AB"},
      {"caf=E9", "caf\xE9"}, {"x=\nb", "x\nb"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Decode(CQuotedPrintableCodec(), in), out) << in;
}

TEST(QuotedPrintableCodec, EncodingRules) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"a b", "a b"},
      {"a \r\nb", "a=20\r\nb"},
      {"end ", "end=20"},
      {"1=2", "1=3D2"},
      {"caf\xE9", "caf=E9"},
      {"x\r\n.\r\ny", "x\r\n=2E\r\ny"},
      {".\r\n", ".\r\n"},
      {std::string(100, 'x'), std::string(75, 'x') + "=\r\n" + std::string(25, 'x')},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(Encode(CQuotedPrintableCodec(), in), out) << in;

  // A long line with spaces breaks right after the last space before the limit.
  const std::string words = std::string(70, 'a') + " bbbbbbbbbb";
  EXPECT_EQ(Encode(CQuotedPrintableCodec(), words), std::string(70, 'a') + " =\r\nbbbbbbbbbb");
}

TEST(Codecs, RoundTripsRandomBytes) {
  std::mt19937 rng(42);
  for (int round = 0; round < 200; ++round) {
    std::string data(rng() % 700, '\0');
    for (char& c : data) c = static_cast<char>(rng() % 4 == 0 ? "\r\n ."[rng() % 4] : rng());
    EXPECT_EQ(Decode(CBase64Codec(), Encode(CBase64Codec(true), data)), data);
    EXPECT_EQ(Decode(CBase64Codec(), Encode(CBase64Codec(false), data)), data);
    EXPECT_EQ(Decode(CQuotedPrintableCodec(), Encode(CQuotedPrintableCodec(true), data)), data);
    // Encoded lines never exceed 76 bytes.
    const std::string qp = Encode(CQuotedPrintableCodec(true), data);
    std::size_t start = 0;
    for (std::size_t lf; (lf = qp.find("\r\n", start)) != std::string::npos; start = lf + 2) EXPECT_LE(lf - start, 76u);
  }
  // Text whose line ends are real CR LF pairs survives the mode that keeps them.
  const std::string text = "line one \r\n.\r\nline\ttwo\r\nend.";
  EXPECT_EQ(Decode(CQuotedPrintableCodec(), Encode(CQuotedPrintableCodec(false), text)), text);
}

TEST(MimeRegistry, SelectsTransferCodecsByWholeName) {
  const std::string encoded = "TWFu";
  auto decoded = [&](const char* name) {
    std::unique_ptr<CMimeCodec> codec = CMimeRegistry::MakeCodec(name);
    return RunCodec(*codec, encoded, false);
  };
  EXPECT_EQ(decoded("base64"), "Man");
  EXPECT_EQ(decoded("BASE64"), "Man");
  EXPECT_EQ(decoded("base64 "), "TWFu");
  EXPECT_EQ(decoded(""), "TWFu");
  EXPECT_EQ(decoded("7bit"), "TWFu");
  EXPECT_EQ(dynamic_cast<CQuotedPrintableCodec*>(CMimeRegistry::MakeCodec("Quoted-Printable").get()) != nullptr, true);
}

}  // namespace
}  // namespace corvane
