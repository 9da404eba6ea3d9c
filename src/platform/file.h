// A read-only, shared file object: mailbox files are opened with it and are never
// written, locked or truncated.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

// Writes all of bytes to an open descriptor of a file the program owns (never a
// mailbox), retrying short writes; false when not everything could be written.
bool WriteAllBytes(int fd, std::string_view bytes);

class CFile {
 public:
  CFile() = default;
  ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Opens an existing file for reading. Returns false when it cannot be opened
  // (missing, a directory, no permission); raises nothing.
  bool Open(const std::u16string& path);
  void Close();
  bool IsOpen() const { return m_fd >= 0; }
  int Handle() const { return m_fd; }

  // Current length in bytes, 0 when it cannot be learnt.
  std::uint64_t GetLength() const;

  // Sets the file position used by Read.
  bool Seek(std::uint64_t position);
  // Reads up to count bytes at the file position and advances it; returns the
  // number of bytes read (fewer at the end of the file, 0 on error).
  std::size_t Read(void* buffer, std::size_t count);
  // Reads up to count bytes at the given position without moving the file
  // position; keeps reading until count bytes, the end of the file or an error.
  std::size_t ReadAt(std::uint64_t position, void* buffer, std::size_t count) const;

 private:
  int m_fd = -1;
  std::uint64_t m_position = 0;
};

}  // namespace corvane
