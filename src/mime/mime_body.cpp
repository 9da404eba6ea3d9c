#include "mime/mime_body.h"

#include <cstring>
#include <new>
#include <string>

#include "mime/find_bytes.h"
#include "mime/mime_registry.h"

namespace corvane {
namespace {

std::unique_ptr<CMimeCodec> TransferCodec(const CMimeHeader& header) {
  const char* encoding = header.FieldValue("Content-Transfer-Encoding");
  return CMimeRegistry::MakeCodec(encoding ? encoding : "");
}

}  // namespace

void CMimeBody::Reset() {
  DeleteChildren();
  FreeContent();
  CMimeHeader::Reset();
}

void CMimeBody::FreeContent() {
  m_pContent.reset();
  m_nContentSize = 0;
}

bool CMimeBody::ReserveContent(std::uint64_t size) {
  FreeContent();
  m_pContent.reset(new (std::nothrow) char[size + 1]());
  if (!m_pContent) return false;
  m_nContentSize = size;
  return true;
}

void CMimeBody::DeleteChildren() {
  // Front to back, without shifting the rest of the list for each one.
  for (auto& child : m_children) child.reset();
  m_children.clear();
}

int CMimeBody::CollectLeafParts(std::vector<const CMimeBody*>& list) const {
  if (MediaType() != MimeMediaType::Multipart) {
    list.push_back(this);
    return 1;
  }
  int count = 0;
  for (const auto& child : m_children) count += child->CollectLeafParts(list);
  return count;
}

std::int64_t CMimeBody::ParseAt(const char* data, std::int64_t size, int depth) {
  const std::int64_t headerLength = CMimeHeader::ParseFrom(data, size);
  if (headerLength == 0) return 0;
  const char* end = data + size;
  const char* c = data + headerLength;
  FreeContent();
  // A delimiter right after the header's blank line shares that line's CR LF.
  auto searchFrom = [&](const char* at) { return at - data >= 2 ? at - 2 : data; };

  const bool multipart = depth < kMaxDepth && MediaType() == MimeMediaType::Multipart;
  const std::string boundary = multipart ? BoundaryParameter() : std::string();
  const std::string delimiter = "\r\n--" + boundary;
  const char* e = end;
  if (!boundary.empty()) {
    if (const char* p = FindBytes(searchFrom(c), delimiter.data(), delimiter.size(), end)) e = p + 2;
  }
  if (e > c) {
    std::unique_ptr<CMimeCodec> codec = TransferCodec(*this);
    codec->BindInput(c, e - c, false);
    const std::int64_t bound = codec->DecodedSize();
    if (!ReserveContent(static_cast<std::uint64_t>(bound) + 4)) return -1;
    const std::int64_t produced = codec->DecodeInto(m_pContent.get(), bound);
    m_pContent[static_cast<std::size_t>(produced)] = '\0';
    m_nContentSize = static_cast<std::uint64_t>(produced);
    c = e;
  }
  if (c >= end || boundary.empty()) return c - data;

  const char* p = FindBytes(searchFrom(c), delimiter.data(), delimiter.size(), end);
  while (p && p < end) {
    const char* lineEnd = FindBytes(p + 2, "\r\n", 2, end);
    if (!lineEnd) break;
    const char* partStart = lineEnd + 2;
    const char* afterDelimiter = p + delimiter.size();
    if (afterDelimiter + 2 < end && afterDelimiter[0] == '-' && afterDelimiter[1] == '-') {
      return partStart - data;  // the close delimiter; the epilogue is not consumed
    }
    const char* q = FindBytes(partStart, delimiter.data(), delimiter.size(), end);
    if (!q) q = end;
    auto child = std::make_unique<CMimeBody>();
    child->ParseAt(partStart, q - partStart, depth + 1);
    m_children.push_back(std::move(child));
    p = q;
  }
  return size;
}

std::int64_t CMimeBody::SerializedSize() const {
  std::int64_t total = CMimeHeader::SerializedSize();
  std::unique_ptr<CMimeCodec> codec = TransferCodec(*this);
  codec->BindInput(m_pContent.get(), static_cast<std::int64_t>(m_nContentSize), true);
  total += codec->EncodedSize();
  if (!m_children.empty()) {
    const auto b = static_cast<std::int64_t>(BoundaryParameter().size());
    for (const auto& child : m_children) total += b + 6 + child->SerializedSize();
    total += b + 8;
  }
  return total;
}

std::int64_t CMimeBody::WriteTo(char* buffer, std::int64_t size) const {
  std::int64_t o = CMimeHeader::WriteTo(buffer, size);
  if (o == 0) return 0;
  std::unique_ptr<CMimeCodec> codec = TransferCodec(*this);
  codec->BindInput(m_pContent.get(), static_cast<std::int64_t>(m_nContentSize), true);
  o += codec->EncodeInto(buffer + o, size - o);
  if (m_children.empty()) return o;
  const std::string boundary = BoundaryParameter();
  if (boundary.empty()) return -1;
  const auto b = static_cast<std::int64_t>(boundary.size());
  bool first = true;
  for (const auto& child : m_children) {
    if (size - o < b + 6) break;
    if (first && o >= 2 && buffer[o - 2] == '\r' && buffer[o - 1] == '\n') o -= 2;
    first = false;
    const std::string line = "\r\n--" + boundary + "\r\n";
    std::memcpy(buffer + o, line.data(), line.size());
    o += b + 6;
    const std::int64_t written = child->WriteTo(buffer + o, size - o);
    if (written > 0) o += written;
  }
  if (size - o >= b + 8) {
    const std::string close = "\r\n--" + boundary + "--\r\n";
    std::memcpy(buffer + o, close.data(), close.size());
    o += b + 8;
  }
  return o;
}

}  // namespace corvane
