// A read-only mapping of a whole file. The scans read through it; the pages they
// have passed can be handed back so that a scan of a huge file stays small.
#pragma once

#include <cstddef>
#include <cstdint>

namespace corvane {

class CFileMapping {
 public:
  CFileMapping() = default;
  ~CFileMapping();
  CFileMapping(const CFileMapping&) = delete;
  CFileMapping& operator=(const CFileMapping&) = delete;

  // Maps length bytes of the open file descriptor read-only. Fails for an empty
  // file and for a file larger than the address space.
  bool Map(int fd, std::uint64_t length);
  void Unmap();

  const unsigned char* Data() const { return m_data; }
  std::uint64_t Size() const { return m_size; }

  // Tells the system the range will be read front to back soon.
  void AdviseSequential() const;
  // Releases the pages of [offset, offset + length) from this process; a later
  // read of the range maps them in again from the page cache.
  void Release(std::uint64_t offset, std::uint64_t length) const;

 private:
  const unsigned char* m_data = nullptr;
  std::uint64_t m_size = 0;
};

}  // namespace corvane
