#include "mime/mime_header.h"

#include "mime/mime_char_classes.h"

namespace corvane {

MimeMediaType ClassifyMediaType(std::string_view value) {
  static constexpr std::string_view kPrefixes[] = {"text", "image", "audio", "video",
                                                   "application", "multipart", "message"};
  for (std::size_t k = 0; k < std::size(kPrefixes); ++k) {
    const std::string_view prefix = kPrefixes[k];
    if (value.size() >= prefix.size() && EqualsNoCase(value.substr(0, prefix.size()), prefix)) {
      return static_cast<MimeMediaType>(k);
    }
  }
  return MimeMediaType::Other;
}

std::int64_t CMimeHeader::SerializedSize() const {
  std::int64_t total = 2;
  for (const CMimeHeaderField& field : m_fields) total += field.SerializedSize();
  return total;
}

std::int64_t CMimeHeader::WriteTo(char* buffer, std::int64_t size) const {
  std::int64_t o = 0;
  for (const CMimeHeaderField& field : m_fields) {
    const std::int64_t n = field.WriteTo(buffer + o, size - o);
    if (n == 0) return 0;
    o += n;
  }
  if (size - o < 2) return 0;
  buffer[o++] = '\r';
  buffer[o++] = '\n';
  return o;
}

std::int64_t CMimeHeader::ParseFrom(const char* data, std::int64_t size) {
  std::int64_t pos = 0;
  for (;;) {
    if (pos >= size || data[pos] == '\0') return pos;
    // The blank line: its CR and the byte after it, never past the range.
    if (data[pos] == '\r') return pos + 2 <= size ? pos + 2 : size;
    CMimeHeaderField field;
    const std::int64_t used = field.ParseFrom(data + pos, size - pos);
    if (used == 0) return 0;
    m_fields.push_back(std::move(field));
    pos += used;
  }
}

const CMimeHeaderField* CMimeHeader::FindField(std::string_view name) const {
  for (const CMimeHeaderField& field : m_fields) {
    if (EqualsNoCase(field.Name(), name)) return &field;
  }
  return nullptr;
}

const char* CMimeHeader::FieldValue(std::string_view name) const {
  const CMimeHeaderField* field = FindField(name);
  return field ? field->Value().c_str() : nullptr;
}

std::string CMimeHeader::FieldParameter(std::string_view field, std::string_view parameter) const {
  std::string text;
  if (const CMimeHeaderField* f = FindField(field)) f->ParameterValue(parameter, &text);
  return text;
}

MimeMediaType CMimeHeader::MediaType() const {
  const char* value = FieldValue("Content-Type");
  return value ? ClassifyMediaType(value) : MimeMediaType::Text;
}

std::string CMimeHeader::MainTypeText() const {
  const char* value = FieldValue("Content-Type");
  if (!value) return "text";
  const std::string_view v(value);
  return std::string(v.substr(0, v.find('/')));
}

}  // namespace corvane
