#include <gtest/gtest.h>

#include "app/workspace.h"
#include "platform/temp_files.h"
#include "presentation/attachments.h"
#include "presentation/message_preview.h"
#include "support/temp_dir.h"

namespace corvane::test {
namespace {

std::vector<std::u16string> Texts(const std::vector<AttachmentRow>& rows) {
  std::vector<std::u16string> out;
  for (const AttachmentRow& r : rows) out.push_back(r.Text);
  return out;
}

TEST(Attachments, RowsFromNamesKeepEmptyAndSplitCommas) {
  CShellFileInfo shell;
  EXPECT_TRUE(AttachmentRowsFromNames(u"", shell).empty());
  EXPECT_EQ(Texts(AttachmentRowsFromNames(u"a.pdf,,b c,d", shell)),
            (std::vector<std::u16string>{u"a.pdf", u"", u"b c", u"d"}));
  const std::vector<AttachmentRow> rows = AttachmentRowsFromNames(u"a.pdf,b.zip", shell);
  EXPECT_EQ(rows[0].Icon, CShellFileInfo::kPdf);
  EXPECT_EQ(rows[1].Icon, CShellFileInfo::kArchive);
  EXPECT_EQ(Texts(AttachmentRowsFromPaths({u"C:\\mail\\Attachments\\report.doc", u"x"}, shell)),
            (std::vector<std::u16string>{u"report.doc", u"x"}));
}

TEST(Attachments, NamesFromTheMessageParts) {
  TempDir dir;
  const std::string message =
      "Content-Type: multipart/mixed; boundary=b\n\n"
      "--b\nContent-Type: text/plain; name=\"notes.txt\"\n\nhi\n"
      "--b\nContent-Disposition: attachment; filename=\"only-filename.bin\"\nContent-Type: application/x\n\nx\n"
      "--b\nContent-Type: application/pdf; name=\"a,b.pdf\"\n\nx\n"
      "--b\nContent-Type: image/png; name=\"=?utf-8?q?caf=C3=A9.png?=\"\n\nx\n"
      "--b\nContent-Type: image/gif\nContent-Disposition: attachment; filename=\"last.gif\"\n\nx\n--b--\n";
  const std::string path = dir.Write("m.mht", message);
  EXPECT_EQ(ExtractAttachmentNames(Utf8ToWide(path)), u",a,b.pdf,caf\u00E9.png");
  EXPECT_EQ(ExtractAttachmentNames(u"/nonexistent"), u"");
}

class PreviewTest : public ::testing::Test {
 protected:
  void Open(const std::string& name, const std::string& bytes, bool imm) {
    ASSERT_TRUE(m_reader.Open(Utf8ToWide(m_dir.Write(name, bytes))));
    if (imm) {
      m_reader.ScanImm(u"");
    } else {
      m_reader.ScanMbox();
    }
  }
  std::optional<MessagePreview> Show(std::uint64_t i, bool imm) {
    return ShowMessagePreview(m_reader, i, imm, m_dir.Wide(), m_shell);
  }
  TempDir m_dir;
  MailboxReader m_reader;
  CShellFileInfo m_shell;
};

TEST_F(PreviewTest, WritesTheAdjustedMessageAndItsTexts) {
  const std::string second =
      "From b@x Tue Dec  8 10:00:00 2026\r\nSubject: pictures\r\nFrom: Bea <b@x>\r\n"
      "Content-Type: multipart/mixed; boundary=z\r\n\r\n--z\r\nContent-Type: image/png; name=\"p.png\"\r\n\r\nx\r\n"
      "--z\r\nContent-Type: text/plain\r\n\r\nhello\r\n--z--\r\n";
  const std::string bytes = "From a@x Mon Dec  7 09:00:00 2026\r\nSubject: one\r\n\r\nbody\r\n\r\n" + second;
  Open("m.mbox", bytes, false);
  // A leftover of an earlier preview goes when the workspace is emptied.
  const std::u16string blank = CreateBlankPage(m_dir.Wide());
  const std::optional<MessagePreview> p = Show(1, false);
  ASSERT_TRUE(p);
  EXPECT_FALSE(PathExists(blank));
  EXPECT_TRUE(p->Path.ends_with(u".mht"));
  EXPECT_EQ(ReadAll(NativePath(p->Path)), second);
  EXPECT_EQ(p->Subject, u"pictures");
  EXPECT_EQ(p->From, u"Bea <b@x>");
  EXPECT_EQ(Texts(p->Attachments), (std::vector<std::u16string>{u"p.png"}));
  EXPECT_TRUE(m_reader.m_attachmentPaths.empty());
}

TEST_F(PreviewTest, LfOnlyMessagesGetCrLf) {
  Open("m.mbox", "From a\nSubject: lf\n\nline\n", false);
  const std::optional<MessagePreview> p = Show(0, false);
  ASSERT_TRUE(p);
  EXPECT_EQ(ReadAll(NativePath(p->Path)), "From a\r\nSubject: lf\r\n\r\nline\r\n");
  EXPECT_EQ(p->Subject, u"lf");
}

TEST_F(PreviewTest, SingleNonTextPartIsForcedToHtml) {
  Open("m.mbox", "From a\r\nSubject: s\r\nContent-Type: image/png; name=\"x.png\"\r\n\r\n<b>x</b>\r\n", false);
  const std::optional<MessagePreview> p = Show(0, false);
  ASSERT_TRUE(p);
  EXPECT_EQ(ReadAll(NativePath(p->Path)),
            "From a\r\nSubject: s\r\nContent-Type: text/html; charset=\"ISO-8859-1\"\n\r\n<b>x</b>\r\n");
  EXPECT_TRUE(p->Attachments.empty());
}

TEST_F(PreviewTest, ImmMessagesKeepTheirBytesAndListTheirPaths) {
  const std::string message =
      "From: d\r\nTo: e\r\nSubject: report\r\nMIME-Version: 1.0\r\nContent-Type: image/png\r\n\r\n"
      "[%ImFilePath%]C:\\mail\\Attachments\\report.doc\r\n";
  Open("m.imm", message, true);
  const std::optional<MessagePreview> p = Show(0, true);
  ASSERT_TRUE(p);
  EXPECT_EQ(ReadAll(NativePath(p->Path)), message);
  EXPECT_EQ(Texts(p->Attachments), (std::vector<std::u16string>{u"report.doc"}));
  EXPECT_EQ(p->Attachments[0].Icon, CShellFileInfo::kDocument);
  EXPECT_EQ(p->Subject, u"report");
  EXPECT_FALSE(Show(5, true));
}

}  // namespace
}  // namespace corvane::test
