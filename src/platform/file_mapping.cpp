#include "platform/file_mapping.h"

#include <sys/mman.h>
#include <unistd.h>

#include <limits>

namespace corvane {

CFileMapping::~CFileMapping() { Unmap(); }

bool CFileMapping::Map(int fd, std::uint64_t length) {
  Unmap();
  if (fd < 0 || length == 0 || length > std::numeric_limits<std::size_t>::max()) return false;
  void* p = ::mmap(nullptr, static_cast<std::size_t>(length), PROT_READ, MAP_SHARED, fd, 0);
  if (p == MAP_FAILED) return false;
  m_data = static_cast<const unsigned char*>(p);
  m_size = length;
  return true;
}

void CFileMapping::Unmap() {
  if (m_data) ::munmap(const_cast<unsigned char*>(m_data), static_cast<std::size_t>(m_size));
  m_data = nullptr;
  m_size = 0;
}

void CFileMapping::AdviseSequential() const {
  if (m_data) ::madvise(const_cast<unsigned char*>(m_data), static_cast<std::size_t>(m_size), MADV_SEQUENTIAL);
}

void CFileMapping::Release(std::uint64_t offset, std::uint64_t length) const {
  if (!m_data || offset >= m_size) return;
  const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
  // Only whole pages inside the range are given back.
  const std::uint64_t begin = (offset + page - 1) / page * page;
  std::uint64_t end = offset + length;
  if (end > m_size) end = m_size;
  end = end / page * page;
  if (end <= begin) return;
  ::madvise(const_cast<unsigned char*>(m_data) + begin, static_cast<std::size_t>(end - begin), MADV_DONTNEED);
}

}  // namespace corvane
