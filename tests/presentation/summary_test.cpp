#include <gtest/gtest.h>

#include <cstring>

#include "presentation/message_row.h"
#include "presentation/message_summary.h"
#include "support/temp_dir.h"

namespace corvane::test {
namespace {

MessageSummary Summarize(const std::string& message, bool isImm = false, std::vector<std::u16string> paths = {},
                         std::string* normalized = nullptr) {
  MessageBuffer buffer(static_cast<char*>(std::calloc(message.size() + 1, 1)));
  std::memcpy(buffer.get(), message.data(), message.size());
  std::uint64_t size = message.size();
  MessageSummary s = SummarizeMessage(buffer, size, isImm, paths);
  if (normalized) *normalized = std::string(buffer.get(), static_cast<std::size_t>(size));
  return s;
}

TEST(SummarizeMessage, HeaderTextsAsTheListShowsThem) {
  const MessageSummary s = Summarize(
      "From: =?utf-8?q?J=C3=BCrgen?= <j@x>\r\nTo: a@b\r\nSubject: folded\r\n  line\r\n"
      "Date: Tue, 8 Dec 2026 16:40:00 +0100 (CET)\r\n\r\nbody");
  EXPECT_EQ(s.From, u"J\u00FCrgen <j@x>");
  EXPECT_EQ(s.To, u"a@b");
  EXPECT_EQ(s.Subject, u"folded\r\n  line");
  EXPECT_EQ(s.Date, u"Tue, 8 Dec 2026 16:40:00 +0100 (CET)");
  EXPECT_FALSE(s.HasAttachment);
  EXPECT_EQ(Summarize("Subject: =?iso-8859-1?q?caf=E9?=\r\n\r\n").Subject, u"caf\u00E9");
  EXPECT_EQ(Summarize("Subject: =?koi8-r?b?8NLJ18XU?=\r\n\r\n").Subject, u"\u041F\u0440\u0438\u0432\u0435\u0442");
}

TEST(SummarizeMessage, NormalisesLineEndsAndSkipsALeadingBlankLine) {
  std::string normalized;
  const MessageSummary lf = Summarize("Subject: lf\nTo: t\n\nbody\n", false, {}, &normalized);
  EXPECT_EQ(lf.Subject, u"lf");
  EXPECT_EQ(lf.To, u"t");
  EXPECT_EQ(normalized, "Subject: lf\r\nTo: t\r\n\r\nbody\r\n");
  EXPECT_EQ(Summarize("Subject: cr\rTo: t\r\r").To, u"t");
  EXPECT_EQ(Summarize("\r\nSubject: after blank\r\n\r\n").Subject, u"after blank");
  // The separator line of later MBOX messages starts with its LF and is skipped.
  EXPECT_EQ(Summarize("\nFrom a@b Mon Dec  7 09:15:00 2026\nFrom: real\n\n").From, u"real");
  EXPECT_EQ(Summarize("From a@b Mon Dec  7 09:15:00 2026\nSubject: x\n\n").From, u"");
}

TEST(SummarizeMessage, AttachmentMark) {
  const std::string withFile =
      "Content-Type: multipart/mixed; boundary=b\r\n\r\n--b\r\nContent-Type: text/plain\r\n\r\nhi\r\n"
      "--b\r\nContent-Disposition: attachment; filename=\"a.pdf\"\r\n\r\n%PDF\r\n--b--\r\n";
  EXPECT_TRUE(Summarize(withFile).HasAttachment);
  EXPECT_FALSE(Summarize("Content-Type: multipart/mixed\r\n\r\nContent-Type: x; name=a\r\n").HasAttachment);
  EXPECT_FALSE(Summarize(withFile, true).HasAttachment);
  EXPECT_TRUE(Summarize("Subject: s\r\n\r\n", true, {u"C:\\x\\a.doc"}).HasAttachment);
}

TEST(BuildMessageRow, ImmRowsFallBackToRawLines) {
  TempDir dir;
  // The lines stand after the header's blank line, so the parse finds no From,
  // Subject or To: the raw lines give them, as they stand.
  const std::string bytes =
      "X-A: 1\r\n\r\nFrom: raw sender\r\nSubject: raw subject\r\nTo: raw to\r\n[%ImFilePath%]C:\\a\\b.doc\r\n";
  MailboxReader reader;
  ASSERT_TRUE(reader.Open(Utf8ToWide(dir.Write("x.imm", bytes))));
  reader.m_offsets = {0, bytes.size()};
  const std::optional<MessageRow> row = BuildMessageRow(reader, 0, true, u"x.imm");
  ASSERT_TRUE(row);
  EXPECT_EQ(row->From, u" raw sender\r");
  EXPECT_EQ(row->Subject, u" raw subject\r");
  EXPECT_EQ(row->To, u" raw to\r");
  EXPECT_TRUE(row->HasAttachment);
  EXPECT_EQ(row->ItemData, 0u);
  EXPECT_EQ(row->Name, u"x.imm");
  EXPECT_TRUE(reader.m_attachmentPaths.empty());
  reader.m_offsets = {0, 10, 5};
  EXPECT_FALSE(BuildMessageRow(reader, 1, true, u"x.imm"));
}

}  // namespace
}  // namespace corvane::test
