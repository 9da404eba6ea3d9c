#include "mailbox/mailbox_reader.h"

#include <cstring>
#include <limits>

#include "platform/text.h"

namespace corvane {

bool MailboxReader::Open(const std::u16string& path) { return m_file.Open(path); }

MessageBuffer MailboxReader::ReadMessage(std::uint64_t i, bool skipLeadingBreak, std::uint64_t* length) {
  *length = 0;
  if (i >= GetMessageCount()) return nullptr;
  std::uint64_t start = m_offsets[i];
  const std::uint64_t end = m_offsets[i + 1];
  // An entry below the one before it (possible in IMM indexes) is no message.
  if (end < start) return nullptr;
  std::uint64_t size = end - start;
  if (skipLeadingBreak) {
    unsigned char first = 0;
    m_file.ReadAt(start, &first, 1);
    const std::uint64_t skip = first == '\n' ? 1 : first == '\r' ? 2 : 0;
    // An empty message that begins a line break stays empty instead of wrapping.
    size = size > skip ? size - skip : 0;
    start += skip;
  }
  if (size >= std::numeric_limits<std::size_t>::max()) return nullptr;
  MessageBuffer buffer(static_cast<char*>(std::calloc(static_cast<std::size_t>(size) + 1, 1)));
  if (!buffer) return nullptr;
  m_file.Seek(start);
  m_file.Read(buffer.get(), static_cast<std::size_t>(size));
  *length = size;
  return buffer;
}

bool MailboxReader::CollectAttachmentPaths(const char* buffer, std::uint64_t length) {
  static constexpr char kToken[] = "[%ImFilePath%]";
  constexpr std::size_t kTokenLength = sizeof kToken - 1;
  if (length <= kTokenLength) return false;
  // A token must be followed by at least one byte: it may start at length - 15 at most.
  const std::size_t searchable = static_cast<std::size_t>(length) - 1;
  bool found = false;
  for (std::size_t p = 0;;) {
    const void* hit = ::memmem(buffer + p, searchable - p, kToken, kTokenLength);
    if (!hit) break;
    const auto at = static_cast<std::size_t>(static_cast<const char*>(hit) - buffer);
    found = true;
    const std::size_t from = at + kTokenLength;
    std::size_t to = from;
    while (to < length && buffer[to] != '\r' && buffer[to] != '\n') ++to;
    m_attachmentPaths.push_back(AnsiToWide(std::string_view(buffer + from, to - from)));
    p = at + 1;
  }
  return found;
}

std::u16string MailboxReader::GetRawHeaderValue(const char* buffer, std::uint64_t length, std::string_view name) {
  std::size_t threshold;
  if (name == "From:") {
    threshold = 7;
  } else if (name == "To:") {
    threshold = 4;
  } else if (name == "Subject:") {
    threshold = 9;
  } else {
    return {};
  }
  if (length <= threshold) return {};
  const std::size_t window = name.size() + 1;
  const auto size = static_cast<std::size_t>(length);
  auto valueFrom = [&](std::size_t from) {
    const void* lf = std::memchr(buffer + from, '\n', size - from);
    const std::size_t to = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - buffer) : size;
    return AnsiToWide(std::string_view(buffer + from, to - from));
  };
  // At position 0 the name itself must stand at the start; after that only a name
  // right after an LF counts.
  if (std::memcmp(buffer, name.data(), name.size()) == 0) {
    if (std::u16string value = valueFrom(name.size()); !value.empty()) return value;
  }
  for (std::size_t p = 1; p < size - window;) {
    const void* lf = std::memchr(buffer + p, '\n', size - window - p);
    if (!lf) break;
    p = static_cast<std::size_t>(static_cast<const char*>(lf) - buffer);
    if (std::memcmp(buffer + p + 1, name.data(), name.size()) == 0) {
      if (std::u16string value = valueFrom(p + window); !value.empty()) return value;
    }
    ++p;
  }
  return {};
}

}  // namespace corvane
