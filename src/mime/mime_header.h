// A header: the ordered fields before a message or a body part, with the lookups the
// viewer needs. Fields are kept in order of appearance, duplicates included.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "mime/mime_header_field.h"
#include "mime/mime_media_type.h"

namespace corvane {

class CMimeHeader {
 public:
  virtual ~CMimeHeader() = default;

  virtual void Reset() { m_fields.clear(); }
  virtual std::int64_t SerializedSize() const;
  // Writes the fields and the blank line; 0 when a field does not fit.
  virtual std::int64_t WriteTo(char* buffer, std::int64_t size) const;
  // Appends the fields of the header that starts at data. Returns the bytes up to and
  // including the blank line, the position of a NUL or the end of the range that
  // ends the header first, or 0 when a field line has no "\r\n" in the range (the
  // fields before it stay).
  virtual std::int64_t ParseFrom(const char* data, std::int64_t size);

  const std::vector<CMimeHeaderField>& Fields() const { return m_fields; }
  std::vector<CMimeHeaderField>& Fields() { return m_fields; }

  // The first field whose whole name equals name, letter case ignored.
  const CMimeHeaderField* FindField(std::string_view name) const;
  // That field's value as NUL-terminated text, or null.
  const char* FieldValue(std::string_view name) const;
  // The parameter's value in that field, "" when either is missing.
  std::string FieldParameter(std::string_view field, std::string_view parameter) const;

  MimeMediaType MediaType() const;
  std::string MainTypeText() const;
  std::string BoundaryParameter() const { return FieldParameter("Content-Type", "boundary"); }
  std::string AttachmentName() const { return FieldParameter("Content-Type", "name"); }
  std::string AttachmentFileName() const { return FieldParameter("Content-Disposition", "filename"); }
  bool HasAttachmentName() const { return !AttachmentName().empty() || !AttachmentFileName().empty(); }

 protected:
  std::vector<CMimeHeaderField> m_fields;
};

}  // namespace corvane
