#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "mime/mime_body.h"

namespace corvane {
namespace {

std::int64_t Parse(CMimeBody& body, const std::string& text) {
  return body.ParseFrom(text.data(), static_cast<std::int64_t>(text.size()));
}

std::string ContentOf(const CMimeBody& body) {
  return body.Content() ? std::string(body.Content(), static_cast<std::size_t>(body.ContentSize())) : std::string();
}

// A compact picture of a tree: type before parameters, attachment name, decoded
// size, then the children in brackets.
std::string Describe(const CMimeBody& b) {
  const CMimeHeaderField* type = b.FindField("Content-Type");
  std::string s = type ? type->ValueBeforeParameters() : "-";
  if (b.HasAttachmentName()) {
    s += " name=";
    s += b.AttachmentName().empty() ? b.AttachmentFileName() : b.AttachmentName();
  }
  s += ':';
  s += std::to_string(b.ContentSize());
  if (!b.Children().empty()) {
    s += "[";
    for (std::size_t i = 0; i < b.Children().size(); ++i) {
      if (i) s += ", ";
      s += Describe(*b.Children()[i]);
    }
    s += "]";
  }
  return s;
}

TEST(MimeBody, SinglePartContentIsDecoded) {
  CMimeMessage m;
  const std::string text = "Content-Transfer-Encoding: base64\r\n\r\nTWFu\r\nTWFu\r\n";
  EXPECT_EQ(Parse(m, text), static_cast<std::int64_t>(text.size()));
  EXPECT_EQ(ContentOf(m), "ManMan");
  EXPECT_EQ(m.Content()[m.ContentSize()], '\0');
  std::vector<const CMimeBody*> leaves;
  EXPECT_EQ(m.CollectLeafParts(leaves), 1);
}

TEST(MimeBody, MultipartWithPreambleAndEpilogue) {
  CMimeMessage m;
  const std::string text =
      "Content-Type: multipart/mixed; boundary=XX\r\n\r\n"
      "preamble\r\n"
      "--XX\r\nContent-Type: text/plain\r\n\r\none\r\n"
      "--XX trailing text on the delimiter line\r\n\r\n"
      "--XX\r\nContent-Type: text/html\r\n\r\n<b>two</b>\r\n"
      "--XX--\r\nepilogue\r\n";
  EXPECT_EQ(Parse(m, text), static_cast<std::int64_t>(text.find("epilogue")));
  EXPECT_EQ(ContentOf(m), "preamble\r\n");
  ASSERT_EQ(m.Children().size(), 3u);
  EXPECT_EQ(ContentOf(*m.Children()[0]), "one");
  EXPECT_TRUE(m.Children()[1]->Fields().empty());
  EXPECT_EQ(m.Children()[1]->Content(), nullptr);
  EXPECT_EQ(ContentOf(*m.Children()[2]), "<b>two</b>");
}

TEST(MimeBody, DelimiterRightAfterTheHeaderAndMissingPieces) {
  CMimeMessage direct;
  Parse(direct, "Content-Type: multipart/alternative; boundary=b\r\n\r\n--b\r\n\r\nx\r\n--b--\r\n");
  EXPECT_EQ(direct.Content(), nullptr);
  EXPECT_EQ(direct.Children().size(), 1u);

  CMimeMessage noBoundary;
  Parse(noBoundary, "Content-Type: multipart/mixed\r\n\r\n--b\r\n\r\nx\r\n");
  EXPECT_TRUE(noBoundary.Children().empty());
  std::vector<const CMimeBody*> leaves;
  EXPECT_EQ(noBoundary.CollectLeafParts(leaves), 0);

  CMimeMessage unclosed;
  const std::string open = "Content-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\n\r\nrest of it";
  EXPECT_EQ(Parse(unclosed, open), static_cast<std::int64_t>(open.size()));
  EXPECT_EQ(ContentOf(*unclosed.Children()[0]), "rest of it");

  CMimeMessage broken;
  EXPECT_EQ(Parse(broken, "Subject: x\r\nTo: y"), 0);
  EXPECT_EQ(broken.Fields().size(), 1u);
}

TEST(MimeBody, NestedLeavesInMessageOrder) {
  CMimeMessage m;
  Parse(m,
        "Content-Type: multipart/mixed; boundary=outer\r\n\r\n"
        "--outer\r\nContent-Type: multipart/alternative; boundary=inner\r\n\r\n"
        "--inner\r\nContent-Type: text/plain\r\n\r\nplain\r\n"
        "--inner\r\nContent-Type: text/html\r\n\r\n<p>html</p>\r\n--inner--\r\n"
        "--outer\r\nContent-Type: application/pdf; name=\"a.pdf\"\r\n\r\n%PDF\r\n"
        "--outer\r\nContent-Type: message/rfc822\r\n\r\nSubject: inner\r\n\r\nhi\r\n--outer--\r\n");
  std::vector<const CMimeBody*> leaves;
  EXPECT_EQ(m.CollectLeafParts(leaves), 4);
  ASSERT_EQ(leaves.size(), 4u);
  EXPECT_EQ(ContentOf(*leaves[0]), "plain");
  EXPECT_EQ(ContentOf(*leaves[1]), "<p>html</p>");
  EXPECT_EQ(leaves[2]->AttachmentName(), "a.pdf");
  EXPECT_EQ(ContentOf(*leaves[3]), "Subject: inner\r\n\r\nhi");
}

TEST(MimeBody, DeepNestingIsCappedWithoutChangingShallowTrees) {
  // 5000 nested multiparts: parsing must neither recurse that deep nor lose bytes.
  std::string text;
  const int depth = 5000;
  for (int k = 0; k < depth; ++k) text += "Content-Type: multipart/mixed; boundary=b" + std::to_string(k) + "x\r\n\r\n--b" + std::to_string(k) + "x\r\n";
  text += "\r\nleaf\r\n";
  CMimeMessage m;
  EXPECT_EQ(Parse(m, text), static_cast<std::int64_t>(text.size()));
  const CMimeBody* b = &m;
  int levels = 0;
  while (!b->Children().empty()) {
    b = b->Children()[0].get();
    ++levels;
  }
  EXPECT_EQ(levels, CMimeBody::kMaxDepth);
  EXPECT_EQ(b->MediaType(), MimeMediaType::Multipart);
  EXPECT_TRUE(ContentOf(*b).starts_with("--b64x\r\nContent-Type: multipart/mixed; boundary=b65x"));
}

TEST(MimeBody, WritingNeverPassesTheBuffer) {
  CMimeMessage m;
  Parse(m,
        "Content-Type: multipart/mixed; boundary=XX\r\n\r\n--XX\r\nContent-Transfer-Encoding: base64\r\n\r\n"
        "TWFuTWFu\r\n--XX\r\nSubject: s\r\n\r\ntext\r\n--XX--\r\n");
  const std::int64_t full = m.SerializedSize();
  std::string buffer(static_cast<std::size_t>(full) + 64, '#');
  const std::int64_t written = m.WriteTo(buffer.data(), full);
  EXPECT_GT(written, 0);
  EXPECT_LE(written, full);
  CMimeMessage again;
  Parse(again, buffer.substr(0, static_cast<std::size_t>(written)));
  EXPECT_EQ(Describe(again), Describe(m));
  for (std::int64_t size = 0; size < full; ++size) {
    std::string small(static_cast<std::size_t>(size) + 16, '#');
    const std::int64_t n = m.WriteTo(small.data(), size);
    EXPECT_LE(n, size);
    EXPECT_EQ(small.substr(static_cast<std::size_t>(size)), std::string(16, '#')) << size;
  }
}

std::string CorpusCrlf(const std::string& name) {
  std::ifstream in(std::string(CORVANE_CORPUS_DIR) + "/python-email/" + name, std::ios::binary);
  std::stringstream raw;
  raw << in.rdbuf();
  std::string out;
  const std::string text = raw.str();
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

TEST(MimeBody, CorpusMessagesParseToTheirTrees) {
  // Sizes count the CR of every line end; base64 parts decode to the same bytes as
  // any other decoder gives (the GIF is 3512 bytes).
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"msg_04.txt", "multipart/mixed:2[text/plain name=msg.txt:50, text/plain name=msg.txt:50]"},
      {"msg_07.txt", "multipart/mixed:0[text/plain:39, image/gif name=dingusfish.gif:3512]"},
      {"msg_10.txt", "multipart/mixed:0[text/plain:33, text/html:46, text/plain:33, text/plain:34, text/plain:48]"},
      {"msg_02.txt",
       "multipart/mixed:0[text/plain:419, text/plain:199, multipart/digest:0[-:247, -:220, -:247, -:247, -:251], "
       "text/plain:123]"},
      {"msg_16.txt", "multipart/report:2[text/plain:451, message/DELIVERY-STATUS:272, MESSAGE/RFC822:2701]"},
  };
  for (const auto& [file, tree] : cases) {
    CMimeMessage m;
    ASSERT_GT(Parse(m, CorpusCrlf(file)), 0) << file;
    EXPECT_EQ(Describe(m), tree) << file;
  }
  CMimeMessage m;
  Parse(m, CorpusCrlf("msg_10.txt"));
  EXPECT_EQ(ContentOf(*m.Children()[2]), "This is a Base64 encoded message.");
}

}  // namespace
}  // namespace corvane
