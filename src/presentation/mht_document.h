// The document the preview's browser shows for a ".mht" file: the message parsed
// with the system's MIME classes, its HTML text preferred over its plain text, and
// the parts it refers to by "cid:" kept aside to be served from memory.
#pragma once

#include <map>
#include <string>
#include <string_view>

namespace corvane {

struct MhtInlinePart {
  std::string ContentType;  // e.g. "image/png"
  std::string Bytes;        // transfer-decoded
};

struct MhtDocument {
  static constexpr char kPartPrefix[] = "corvane-preview://message/cid/";

  std::string Html;  // UTF-8
  // By Content-ID without its angle brackets.
  std::map<std::string, MhtInlinePart> Parts;
};

// The text/html part that is not an attachment (the first one), else the first
// text/plain one, shown with its line breaks; each in its declared charset. Every
// "cid:" reference of the HTML is pointed at kPartPrefix followed by the id.
// Attachments are not shown.
MhtDocument BuildMhtDocument(std::string_view fileBytes);

// The HTML text with "cid:" references (after a quote, '=' or '(') pointed at
// kPartPrefix.
std::string RewriteCidReferences(std::string_view html);

}  // namespace corvane
