// Read access to a mailbox file for the scans: through a read-only mapping when the
// file can be mapped, else by reading the open file in large blocks. Both give the
// same bytes; callers never learn which one served them except through IsMapped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/file.h"
#include "platform/file_mapping.h"

namespace corvane {

class MailboxBytes {
 public:
  // Takes the file's length once; maps the file when allowMapping and mapping works.
  MailboxBytes(const CFile& file, bool allowMapping);

  std::uint64_t Length() const { return m_length; }
  bool IsMapped() const { return m_mapping.Data() != nullptr; }

  // Bytes [position, position + count), cut at the end of the file; *available is how
  // many there are. The pointer stays valid until the next View with the same scratch.
  // A mapped file answers from the mapping; otherwise the bytes are read into scratch.
  const unsigned char* View(std::uint64_t position, std::size_t count, std::size_t* available,
                            std::vector<unsigned char>& scratch) const;

  // Tells that the scan has passed position: the mapped pages far enough behind it are
  // handed back, so a scan's memory stays bounded however large the file.
  void Passed(std::uint64_t position);

 private:
  const CFile& m_file;
  std::uint64_t m_length;
  CFileMapping m_mapping;
  std::uint64_t m_released = 0;
};

}  // namespace corvane
