#include "snapshot/snapshot_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/file.h"
#include "platform/text.h"

namespace corvane {
namespace {

class ByteWriter {
 public:
  explicit ByteWriter(int fd) : m_fd(fd) { m_buffer.reserve(kFlushAt + 64); }
  void U8(std::uint8_t v) { m_buffer.push_back(static_cast<char>(v)); MaybeFlush(); }
  void U32(std::uint32_t v) { Little(v, 4); }
  void U64(std::uint64_t v) { Little(v, 8); }
  void Path(const std::u16string& path) {
    U32(static_cast<std::uint32_t>(path.size()));
    for (char16_t c : path) Little(c, 2);
  }
  bool Flush() {
    if (!WriteAllBytes(m_fd, m_buffer)) m_failed = true;
    m_buffer.clear();
    return !m_failed;
  }

 private:
  static constexpr std::size_t kFlushAt = 1u << 20;
  void Little(std::uint64_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) m_buffer.push_back(static_cast<char>((v >> (8 * k)) & 0xFF));
    MaybeFlush();
  }
  void MaybeFlush() {
    if (m_buffer.size() >= kFlushAt) Flush();
  }
  int m_fd;
  std::string m_buffer;
  bool m_failed = false;
};

// Reads the little-endian fields in order from a source of known length, in blocks.
// Remaining() is what the source still holds, so every count can be checked against
// it before anything is allocated for it.
class ByteReader {
 public:
  // Reads from the open file, or from bytes when file is null.
  ByteReader(const CFile* file, const std::string* bytes)
      : m_file(file), m_bytes(bytes), m_length(file ? file->GetLength() : bytes->size()) {}
  std::uint64_t Remaining() const { return m_length - m_position; }
  bool U8(std::uint8_t* v) {
    std::uint64_t value = 0;
    if (!Little(&value, 1)) return false;
    *v = static_cast<std::uint8_t>(value);
    return true;
  }
  bool Little(std::uint64_t* v, int bytes) {
    if (Remaining() < static_cast<std::uint64_t>(bytes)) return false;
    std::uint64_t value = 0;
    for (int k = 0; k < bytes; ++k) {
      unsigned char byte = 0;
      if (!Next(&byte)) return false;
      value |= std::uint64_t{byte} << (8 * k);
    }
    *v = value;
    return true;
  }

 private:
  bool Next(unsigned char* byte) {
    if (!m_file) {
      *byte = static_cast<unsigned char>((*m_bytes)[static_cast<std::size_t>(m_position++)]);
      return true;
    }
    if (m_at == m_block.size()) {
      m_block.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kBlock, Remaining())));
      if (m_file->ReadAt(m_position, m_block.data(), m_block.size()) != m_block.size()) return false;
      m_at = 0;
    }
    *byte = static_cast<unsigned char>(m_block[m_at++]);
    ++m_position;
    return true;
  }

  static constexpr std::uint64_t kBlock = 1u << 20;
  const CFile* m_file;
  const std::string* m_bytes;
  std::uint64_t m_length;
  std::uint64_t m_position = 0;
  std::string m_block;
  std::size_t m_at = 0;
};

bool Decode(ByteReader& in, std::vector<SnapshotEntry>* entries) {
  // The smallest entry: path length, two flags and index length.
  constexpr std::uint64_t kMinEntry = 4 + 1 + 1 + 8;
  // No path this system can open is longer.
  constexpr std::uint64_t kMaxPathUnits = 32767;
  // Vectors grow with what was actually read, never by a count alone.
  constexpr std::uint64_t kReserveStep = 1u << 16;
  std::uint64_t count = 0;
  if (!in.Little(&count, 4) || count > in.Remaining() / kMinEntry) return false;
  std::vector<SnapshotEntry> result;
  result.reserve(static_cast<std::size_t>(std::min(count, kReserveStep)));
  for (std::uint64_t n = 0; n < count; ++n) {
    SnapshotEntry entry;
    std::uint64_t units = 0;
    if (!in.Little(&units, 4) || units > in.Remaining() / 2 || units > kMaxPathUnits) return false;
    entry.path.resize(static_cast<std::size_t>(units));
    for (char16_t& c : entry.path) {
      std::uint64_t unit = 0;
      if (!in.Little(&unit, 2) || unit == 0) return false;
      c = static_cast<char16_t>(unit);
    }
    if (!in.U8(&entry.isImm) || !in.U8(&entry.attachFolderExists) || entry.isImm > 1 ||
        entry.attachFolderExists > 1) {
      return false;
    }
    std::uint64_t size = 0;
    if (!in.Little(&size, 8) || size > in.Remaining() / 8) return false;
    entry.offsets.reserve(static_cast<std::size_t>(std::min(size, kReserveStep)));
    for (std::uint64_t k = 0; k < size; ++k) {
      std::uint64_t offset = 0;
      if (!in.Little(&offset, 8)) return false;
      entry.offsets.push_back(offset);
    }
    result.push_back(std::move(entry));
  }
  if (in.Remaining() != 0) return false;
  *entries = std::move(result);
  return true;
}

std::u16string DirectoryOf(const std::u16string& path) {
  const std::size_t slash = path.rfind(u'/');
  if (slash == std::u16string::npos) return u".";
  return slash == 0 ? u"/" : path.substr(0, slash);
}

}  // namespace

bool WriteSnapshot(const std::u16string& path, const std::vector<MailboxEntry>& entries, std::string* error) {
  std::string temp = NativePath(DirectoryOf(path)) + "/.snapshot-XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    *error = "The snapshot file cannot be created: " + std::string(std::strerror(errno)) + ".";
    return false;
  }
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  ByteWriter out(fd);
  out.U32(static_cast<std::uint32_t>(entries.size()));
  for (const MailboxEntry& entry : entries) {
    out.Path(entry.strPath);
    out.U8(entry.bIsImm);
    out.U8(entry.bAttachFolderExists);
    const std::vector<std::uint64_t>& offsets = entry.pReader->m_offsets;
    out.U64(offsets.size());
    for (std::uint64_t offset : offsets) out.U64(offset);
  }
  const bool written = out.Flush() && ::fsync(fd) == 0;
  const int saved = errno;
  ::close(fd);
  if (!written || ::rename(temp.c_str(), NativePath(path).c_str()) != 0) {
    const int reason = written ? errno : saved;
    ::unlink(temp.c_str());
    *error = "The snapshot file cannot be written: " + std::string(std::strerror(reason)) + ".";
    return false;
  }
  return true;
}

bool DecodeSnapshot(const std::string& bytes, std::vector<SnapshotEntry>* entries) {
  ByteReader in(nullptr, &bytes);
  return Decode(in, entries);
}

bool ReadSnapshot(const std::u16string& path, std::vector<SnapshotEntry>* entries, std::string* error) {
  CFile file;
  if (!file.Open(path)) {
    *error = "The snapshot file cannot be opened.";
    return false;
  }
  ByteReader in(&file, nullptr);
  if (!Decode(in, entries)) {
    *error = kSnapshotDamaged;
    return false;
  }
  return true;
}

}  // namespace corvane
