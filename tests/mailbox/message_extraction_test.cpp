#include <gtest/gtest.h>

#include "mailbox/mailbox_reader.h"
#include "support/temp_dir.h"

namespace corvane::test {
namespace {

struct Read {
  bool ok;
  std::string bytes;
};

Read ReadFrom(MailboxReader& reader, std::uint64_t i, bool skip) {
  std::uint64_t length = 99;
  MessageBuffer buffer = reader.ReadMessage(i, skip, &length);
  if (!buffer) return {false, {}};
  EXPECT_EQ(buffer.get()[length], '\0');
  return {true, std::string(buffer.get(), static_cast<std::size_t>(length))};
}

class ReadMessageTest : public ::testing::Test {
 protected:
  void Open(const std::string& bytes, std::vector<std::uint64_t> offsets) {
    ASSERT_TRUE(m_reader.Open(Utf8ToWide(m_dir.Write("m.mbox", bytes))));
    m_reader.m_offsets = std::move(offsets);
  }
  TempDir m_dir;
  MailboxReader m_reader;
};

TEST_F(ReadMessageTest, ReadsTheRangeAndOptionallySkipsTheLeadingBreak) {
  std::string bytes(300, 'x');
  bytes[120] = '\n';
  Open(bytes, {0, 120, 300});
  EXPECT_EQ(ReadFrom(m_reader, 1, false).bytes, bytes.substr(120, 180));
  EXPECT_EQ(ReadFrom(m_reader, 1, true).bytes, bytes.substr(121, 179));
  EXPECT_EQ(ReadFrom(m_reader, 0, true).bytes, bytes.substr(0, 120));
  EXPECT_FALSE(ReadFrom(m_reader, 2, false).ok);
}

TEST_F(ReadMessageTest, CrStartSkipsTwoBytes) {
  const std::string bytes = "From a\rx\rFrom b\rbody";
  Open(bytes, {0, 8, bytes.size()});
  EXPECT_EQ(ReadFrom(m_reader, 1, true).bytes, "rom b\rbody");
}

TEST_F(ReadMessageTest, NeverWrapsAround) {
  // A file that begins with LF "From " has an empty message 0 starting with that LF.
  const std::string bytes = "\nFrom a\nbody\n";
  Open(bytes, {0, 0, bytes.size()});
  const Read empty = ReadFrom(m_reader, 0, true);
  EXPECT_TRUE(empty.ok);
  EXPECT_EQ(empty.bytes, "");
  EXPECT_EQ(ReadFrom(m_reader, 1, true).bytes, "From a\nbody\n");
  // An entry below the one before it is no readable message.
  m_reader.m_offsets = {0, 10, 4, bytes.size()};
  EXPECT_FALSE(ReadFrom(m_reader, 1, false).ok);
  EXPECT_EQ(ReadFrom(m_reader, 2, false).bytes, bytes.substr(4));
}

TEST_F(ReadMessageTest, BytesBeyondTheFileReadAsZero) {
  Open("abc", {0, 6});
  EXPECT_EQ(ReadFrom(m_reader, 0, false).bytes, std::string("abc\0\0\0", 6));
  // An index no file could back asks for more memory than there is.
  m_reader.m_offsets = {0, ~std::uint64_t{0}};
  EXPECT_FALSE(ReadFrom(m_reader, 0, false).ok);
}

TEST(CollectAttachmentPaths, TakesTheTextAfterEveryToken) {
  MailboxReader reader;
  const std::string two = "[%ImFilePath%]C:\\x\\a.pdf\r\n[%ImFilePath%]C:\\x\\b.doc";
  EXPECT_TRUE(reader.CollectAttachmentPaths(two.data(), two.size()));
  EXPECT_EQ(reader.m_attachmentPaths, (std::vector<std::u16string>{u"C:\\x\\a.pdf", u"C:\\x\\b.doc"}));

  reader.m_attachmentPaths.clear();
  const std::string atEnd = "body [%ImFilePath%]";
  EXPECT_FALSE(reader.CollectAttachmentPaths(atEnd.data(), atEnd.size()));
  const std::string emptyPath = "[%ImFilePath%]\n";
  EXPECT_TRUE(reader.CollectAttachmentPaths(emptyPath.data(), emptyPath.size()));
  const std::string latin = "[%ImFilePath%]\xE9t\x80.txt";
  EXPECT_TRUE(reader.CollectAttachmentPaths(latin.data(), latin.size()));
  EXPECT_EQ(reader.m_attachmentPaths, (std::vector<std::u16string>{u"", u"\u00E9t\u20AC.txt"}));
  EXPECT_FALSE(reader.CollectAttachmentPaths("[%ImFilePath%]", 14));
}

TEST(GetRawHeaderValue, FindsTheFirstNonEmptyLine) {
  struct Case {
    std::string buffer;
    const char* name;
    std::u16string expected;
  };
  const std::vector<Case> cases = {
      {"From: a\n", "From:", u" a"},
      {"X: 1\nFrom:\nY: 2\nFrom: b\n", "From:", u" b"},
      {"X: 1\nTo: me\r\nrest", "To:", u" me\r"},
      {"From:ab", "From:", u""},
      {"From:abc", "From:", u"abc"},
      {"To:a", "To:", u""},
      {"To: a", "To:", u" a"},
      {"X\nfrom: a\nFROM: b\n", "From:", u""},
      {"Subject: =?utf-8?q?x?=\n  folded\n", "Subject:", u" =?utf-8?q?x?="},
      {"Subject:\xE9\n", "Subject:", u"\u00E9"},
      {"\nFrom: not at the start without a name there\n", "From:", u""},
      {"X: 1\nFrom: b", "From:", u" b"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.buffer);
    EXPECT_EQ(MailboxReader::GetRawHeaderValue(c.buffer.data(), c.buffer.size(), c.name), c.expected);
  }
}

}  // namespace
}  // namespace corvane::test
