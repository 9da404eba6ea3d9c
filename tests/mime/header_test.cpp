#include <gtest/gtest.h>

#include <random>

#include "mime/mime_header.h"

namespace corvane {
namespace {

CMimeHeader Parse(const std::string& text, std::int64_t* used = nullptr) {
  CMimeHeader header;
  const std::int64_t n = header.ParseFrom(text.data(), static_cast<std::int64_t>(text.size()));
  if (used) *used = n;
  return header;
}

TEST(MimeHeader, ParsesFieldsAndContinuationLines) {
  std::int64_t used = 0;
  const std::string text = "Subject:   first\r\n second \r\nX-Odd : v\r\nno colon line\r\n\r\nbody";
  const CMimeHeader h = Parse(text, &used);
  EXPECT_EQ(used, static_cast<std::int64_t>(text.size()) - 4);
  ASSERT_EQ(h.Fields().size(), 3u);
  EXPECT_EQ(h.Fields()[0].Name(), "Subject");
  EXPECT_EQ(h.Fields()[0].Value(), "first\r\n second ");
  EXPECT_EQ(h.Fields()[1].Name(), "X-Odd ");
  EXPECT_EQ(h.FindField("X-Odd"), nullptr);
  EXPECT_EQ(h.Fields()[2].Name(), "");
  EXPECT_EQ(h.Fields()[2].Value(), "no colon line");
}

TEST(MimeHeader, WhereTheHeaderEnds) {
  struct Case {
    const char* name;
    std::string text;
    std::int64_t used;
    std::size_t fields;
  };
  const std::vector<Case> cases = {
      {"blank line first", "\r\nbody", 2, 0},
      {"NUL first", std::string("\0X: y\r\n", 7), 0, 0},
      {"NUL after a field", std::string("A: b\r\n\0rest", 11), 6, 1},
      {"end of range", "A: b\r\nC: d\r\n", 12, 2},
      {"line without CR LF", "A: b\r\nC: d", 0, 1},
      {"continuation without CR LF", "A: b\r\n c", 0, 0},
      {"line starting with a space is skipped", " junk\r\nA: b\r\n\r\n", 15, 1},
      {"whitespace line before a field", "\x0B junk\r\nA: b\r\n\r\n", 16, 1},
      {"lone CR at the end stays inside", "A: b\r\n\r", 7, 1},
  };
  for (const Case& c : cases) {
    std::int64_t used = -1;
    const CMimeHeader h = Parse(c.text, &used);
    EXPECT_EQ(used, c.used) << c.name;
    EXPECT_EQ(h.Fields().size(), c.fields) << c.name;
  }
}

TEST(MimeHeader, LookupsAndParameters) {
  const CMimeHeader h = Parse(
      "content-type: Multipart/Mixed ; boundary=\"a;b\"; name*=x; charset=us-ascii\r\n"
      "Content-Disposition: attachment;\r\n filename=\"report.pdf\"\r\n"
      "Subject: one\r\nSubject: two\r\n\r\n");
  EXPECT_EQ(h.MediaType(), MimeMediaType::Multipart);
  EXPECT_EQ(h.MainTypeText(), "Multipart");
  EXPECT_EQ(h.BoundaryParameter(), "a;b");
  EXPECT_EQ(h.AttachmentName(), "");
  EXPECT_EQ(h.AttachmentFileName(), "report.pdf");
  EXPECT_TRUE(h.HasAttachmentName());
  EXPECT_EQ(h.FieldParameter("CONTENT-TYPE", "charset"), "us-ascii");
  EXPECT_STREQ(h.FieldValue("subject"), "one");
  EXPECT_EQ(h.FieldValue("Missing"), nullptr);
  EXPECT_EQ(h.FindField("Content-Type")->ValueBeforeParameters(), "Multipart/Mixed");
  std::size_t offset = 0, length = 0;
  ASSERT_TRUE(h.FindField("Content-Type")->LocateParameter("boundary", &offset, &length));
  EXPECT_EQ(h.FindField("Content-Type")->Value().substr(offset, length), "\"a;b\"");

  const CMimeHeader none = Parse("Subject: x\r\n\r\n");
  EXPECT_EQ(none.MediaType(), MimeMediaType::Text);
  EXPECT_EQ(none.MainTypeText(), "text");
  EXPECT_FALSE(none.HasAttachmentName());
  EXPECT_EQ(Parse("Content-Type:\r\n\r\n").MediaType(), MimeMediaType::Other);
  EXPECT_EQ(Parse("Content-Type: textual/x\r\n\r\n").MediaType(), MimeMediaType::Text);
  EXPECT_EQ(Parse("Content-Type: text/plain; name=\"open\r\n\r\n").AttachmentName(), "");
  EXPECT_EQ(Parse("Content-Type: image/png; NAME=pic.png\r\n\r\n").AttachmentName(), "pic.png");
  EXPECT_EQ(Parse("Content-Type: x/y; filename=a; name = b.txt\r\n\r\n").AttachmentName(), "b.txt");
}

TEST(MimeHeader, SerialisingAndParsingAgainIsStable) {
  std::mt19937 rng(5);
  const char* pieces[] = {"Subject", "To", "From", "Content-Type", "X-A", ": ", "a", " ", ",", ";", "=?",
                          "?=", "\"q\"", "<a@b>", "\r\n ", "\t"};
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int fields = 1 + static_cast<int>(rng() % 4);
    for (int f = 0; f < fields; ++f) {
      text += pieces[rng() % 5];
      text += ": ";
      for (int k = rng() % 8; k > 0; --k) text += pieces[5 + rng() % 11];
      text += "x\r\n";
    }
    text += "\r\n";
    CMimeHeader first = Parse(text);
    std::string out(static_cast<std::size_t>(first.SerializedSize()), '\0');
    out.resize(static_cast<std::size_t>(first.WriteTo(out.data(), static_cast<std::int64_t>(out.size()))));
    ASSERT_FALSE(out.empty()) << text;
    const CMimeHeader second = Parse(out);
    std::string again(static_cast<std::size_t>(second.SerializedSize()), '\0');
    again.resize(static_cast<std::size_t>(second.WriteTo(again.data(), static_cast<std::int64_t>(again.size()))));
    EXPECT_EQ(again, out) << text;
  }
}

}  // namespace
}  // namespace corvane
