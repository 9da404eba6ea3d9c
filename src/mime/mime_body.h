// A body part: its header, its content decoded by its Content-Transfer-Encoding and,
// for a multipart, its child parts. The raw content is not kept.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "mime/mime_header.h"

namespace corvane {

class CMimeBody : public CMimeHeader {
 public:
  // Multiparts nested deeper than this are parsed as leaves, so that hostile mail
  // cannot exhaust the stack.
  static constexpr int kMaxDepth = 64;

  ~CMimeBody() override = default;

  void Reset() override;
  std::int64_t SerializedSize() const override;
  // The bytes written, 0 when the header does not fit, -1 when a part with children
  // has no boundary. Never writes past size.
  std::int64_t WriteTo(char* buffer, std::int64_t size) const override;
  // The bytes consumed (for a multipart, through its close-delimiter line), 0 when
  // the header did not parse, -1 when the content buffer could not be allocated.
  std::int64_t ParseFrom(const char* data, std::int64_t size) override { return ParseAt(data, size, 0); }

  // The decoded content followed by a NUL byte, or null before any content.
  const char* Content() const { return m_pContent.get(); }
  std::uint64_t ContentSize() const { return m_nContentSize; }
  // Replaces the content with a zeroed buffer of size bytes.
  bool ReserveContent(std::uint64_t size);

  const std::vector<std::unique_ptr<CMimeBody>>& Children() const { return m_children; }
  // Appends every part that is not a multipart, depth first in order; returns how
  // many were appended.
  int CollectLeafParts(std::vector<const CMimeBody*>& list) const;
  void DeleteChildren();

 private:
  std::int64_t ParseAt(const char* data, std::int64_t size, int depth);
  void FreeContent();

  std::unique_ptr<char[]> m_pContent;
  std::uint64_t m_nContentSize = 0;
  std::vector<std::unique_ptr<CMimeBody>> m_children;
};

// A whole message.
class CMimeMessage : public CMimeBody {};

}  // namespace corvane
