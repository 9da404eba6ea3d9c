// One mailbox file and its message index. The reader never writes to the file.
#pragma once

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file.h"
#include "platform/window_messages.h"

namespace corvane {

struct FreeDeleter {
  void operator()(char* p) const { std::free(p); }
};

// A message's bytes followed by at least one zero byte, in a malloc block.
using MessageBuffer = std::unique_ptr<char, FreeDeleter>;

class MailboxReader {
 public:
  MailboxReader() = default;
  MailboxReader(const MailboxReader&) = delete;
  MailboxReader& operator=(const MailboxReader&) = delete;

  // Opens the file read-only, shared with every other opener. False when it cannot
  // be opened; raises nothing.
  bool Open(const std::u16string& path);

  // Indexes an MBOX file: 0, the position of the line break before every "From "
  // that follows LF or CR, then the file length. Stop ends the scan early with the
  // entries found so far and no end entry. Always returns true.
  bool ScanMbox();
  // Indexes an IMM file by its "MIME-Version: 1.0" markers. Same results and Stop
  // rule as ScanMbox. path names the same file; it is not opened again.
  bool ScanImm(const std::u16string& path);

  // Entries of the index minus one; 0 for an empty index.
  std::uint64_t GetMessageCount() const { return m_offsets.empty() ? 0 : m_offsets.size() - 1; }

  // Reads message i: the bytes from entry i to entry i + 1. With skipLeadingBreak a
  // leading LF (one byte) or CR (two bytes, taken as CR LF) is left out. Returns no
  // buffer when i is not a message, when entry i + 1 lies below entry i, or when the
  // buffer cannot be allocated. *length receives the length asked for; bytes the file
  // does not hold read as zero.
  MessageBuffer ReadMessage(std::uint64_t i, bool skipLeadingBreak, std::uint64_t* length);

  // Appends to m_attachmentPaths the text after every "[%ImFilePath%]" up to the
  // line end; true when at least one was found.
  bool CollectAttachmentPaths(const char* buffer, std::uint64_t length);

  // The value of the first non-empty "From:", "To:" or "Subject:" line, as it
  // stands, bytes taken one by one through the ANSI code page.
  static std::u16string GetRawHeaderValue(const char* buffer, std::uint64_t length, std::string_view name);

  // The IMM checks at offset m of the open file (see ImmHeaderChecks).
  bool HasHeaderLinesAfter(std::uint64_t m) const;
  std::uint64_t FindHeaderStartBefore(std::uint64_t m) const;

  CFile m_file;
  std::vector<std::uint64_t> m_offsets;
  std::vector<std::u16string> m_attachmentPaths;
  std::u16string m_strAttachFolder;
  HWND m_hNotifyWnd = nullptr;
  std::atomic<std::uint8_t> m_bKeepRunning{1};
  // False forces the scans to read through the file instead of mapping it.
  bool m_bAllowMapping = true;
};

}  // namespace corvane
