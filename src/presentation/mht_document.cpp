#include "presentation/mht_document.h"

#include <cctype>
#include <vector>

#include "mime/mime_body.h"
#include "presentation/mail_text.h"
#include "platform/text.h"

namespace corvane {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

// "type/subtype" of a part in lower case; a part without Content-Type is text/plain.
std::string MediaTypeOf(const CMimeBody& part) {
  const char* value = part.FieldValue("Content-Type");
  if (!value) return "text/plain";
  std::string_view text(value);
  text = Trim(text.substr(0, text.find(';')));
  return Lower(text);
}

bool IsAttachment(const CMimeBody& part) {
  if (part.HasAttachmentName()) return true;
  const char* disposition = part.FieldValue("Content-Disposition");
  return disposition && Lower(Trim(disposition)).starts_with("attachment");
}

std::string EscapeHtml(std::u16string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  const std::string utf8 = WideToUtf8(text);
  for (char c : utf8) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\r': break;
      default: out += c;
    }
  }
  return out;
}

std::u16string PartText(const CMimeBody& part) {
  const std::string_view bytes(part.Content() ? part.Content() : "", part.Content() ? part.ContentSize() : 0);
  return BodyTextToWide(bytes, part.FieldParameter("Content-Type", "charset"));
}

}  // namespace

std::string RewriteCidReferences(std::string_view html) {
  std::string out;
  out.reserve(html.size());
  for (std::size_t i = 0; i < html.size(); ++i) {
    const char before = i > 0 ? html[i - 1] : '\0';
    if ((before == '"' || before == '\'' || before == '=' || before == '(') && i + 4 <= html.size() &&
        Lower(html.substr(i, 4)) == "cid:") {
      out += MhtDocument::kPartPrefix;
      i += 3;
      continue;
    }
    out += html[i];
  }
  return out;
}

MhtDocument BuildMhtDocument(std::string_view fileBytes) {
  MhtDocument document;
  std::string_view bytes = fileBytes;
  if (bytes.starts_with("\r\n")) bytes.remove_prefix(2);
  CMimeMessage message;
  message.ParseFrom(bytes.data(), static_cast<std::int64_t>(bytes.size()));

  std::vector<const CMimeBody*> leaves;
  message.CollectLeafParts(leaves);
  const CMimeBody* html = nullptr;
  const CMimeBody* plain = nullptr;
  for (const CMimeBody* leaf : leaves) {
    const char* id = leaf->FieldValue("Content-ID");
    if (id) {
      std::string_view key = Trim(id);
      if (key.starts_with('<') && key.ends_with('>')) key = key.substr(1, key.size() - 2);
      MhtInlinePart& part = document.Parts[std::string(key)];
      part.ContentType = MediaTypeOf(*leaf);
      part.Bytes.assign(leaf->Content() ? leaf->Content() : "", leaf->Content() ? leaf->ContentSize() : 0);
    }
    if (IsAttachment(*leaf)) continue;
    const std::string type = MediaTypeOf(*leaf);
    if (type == "text/html" && !html) html = leaf;
    if (type == "text/plain" && !plain) plain = leaf;
  }

  if (html) {
    document.Html = RewriteCidReferences(WideToUtf8(PartText(*html)));
  } else {
    document.Html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body>";
    if (plain) {
      document.Html += "<pre style=\"white-space: pre-wrap; font-family: inherit; margin: 0\">";
      document.Html += EscapeHtml(PartText(*plain));
      document.Html += "</pre>";
    }
    document.Html += "</body></html>";
  }
  return document;
}

}  // namespace corvane
