#include "presentation/mht_document.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(MhtDocumentTest, PrefersHtmlAndKeepsInlinePartsAside) {
  const std::string message =
      "From: a@example.org\r\nMIME-Version: 1.0\r\n"
      "Content-Type: multipart/related; boundary=\"r\"\r\n\r\n"
      "--r\r\nContent-Type: multipart/alternative; boundary=\"a\"\r\n\r\n"
      "--a\r\nContent-Type: text/plain\r\n\r\nplain text\r\n"
      "--a\r\nContent-Type: text/html; charset=iso-8859-1\r\n\r\n"
      "<p>caf\xE9</p><img src=\"cid:logo@x\"><div style=\"background:url(CID:logo@x)\"></div>\r\n"
      "--a--\r\n"
      "--r\r\nContent-Type: image/png\r\nContent-ID: <logo@x>\r\nContent-Transfer-Encoding: base64\r\n\r\n"
      "iVBORw==\r\n--r--\r\n";
  const MhtDocument doc = BuildMhtDocument(message);
  EXPECT_EQ(doc.Html.find("plain text"), std::string::npos);
  EXPECT_NE(doc.Html.find("<p>caf\xC3\xA9</p>"), std::string::npos) << doc.Html;
  EXPECT_NE(doc.Html.find("src=\"corvane-preview://message/cid/logo@x\""), std::string::npos) << doc.Html;
  EXPECT_NE(doc.Html.find("url(corvane-preview://message/cid/logo@x)"), std::string::npos) << doc.Html;
  ASSERT_EQ(doc.Parts.count("logo@x"), 1u);
  EXPECT_EQ(doc.Parts.at("logo@x").ContentType, "image/png");
  EXPECT_EQ(doc.Parts.at("logo@x").Bytes, std::string("\x89PNG", 4));
}

TEST(MhtDocumentTest, PlainTextKeepsItsLinesAndIsEscaped) {
  const std::string message =
      "Subject: x\r\nContent-Type: text/plain; charset=\"koi8-r\"\r\n\r\n<b>\xF0\xD2\xC9\xD7\xC5\xD4</b>\r\nline 2\r\n";
  const MhtDocument doc = BuildMhtDocument(message);
  EXPECT_NE(doc.Html.find("<pre"), std::string::npos);
  EXPECT_NE(doc.Html.find("&lt;b&gt;\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82&lt;/b&gt;\nline 2"), std::string::npos)
      << doc.Html;
}

TEST(MhtDocumentTest, AttachmentsAreNotShown) {
  const std::string message =
      "Content-Type: multipart/mixed; boundary=\"m\"\r\n\r\n"
      "--m\r\nContent-Type: text/plain\r\n\r\nthe text\r\n"
      "--m\r\nContent-Type: text/html; name=\"page.html\"\r\n\r\n<p>attached page</p>\r\n--m--\r\n";
  const MhtDocument doc = BuildMhtDocument(message);
  EXPECT_NE(doc.Html.find("the text"), std::string::npos);
  EXPECT_EQ(doc.Html.find("attached page"), std::string::npos);
}

}  // namespace
}  // namespace corvane
