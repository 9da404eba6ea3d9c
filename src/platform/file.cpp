#include "platform/file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/text.h"

namespace corvane {

bool WriteAllBytes(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (fd >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done == bytes.size();
}

CFile::~CFile() { Close(); }

bool CFile::Open(const std::u16string& path) {
  Close();
  const int fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st{};
  if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
    ::close(fd);
    return false;
  }
  m_fd = fd;
  m_position = 0;
  return true;
}

void CFile::Close() {
  if (m_fd >= 0) ::close(m_fd);
  m_fd = -1;
  m_position = 0;
}

std::uint64_t CFile::GetLength() const {
  struct stat st{};
  if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || st.st_size < 0) return 0;
  return static_cast<std::uint64_t>(st.st_size);
}

bool CFile::Seek(std::uint64_t position) {
  if (m_fd < 0) return false;
  m_position = position;
  return true;
}

std::size_t CFile::Read(void* buffer, std::size_t count) {
  const std::size_t got = ReadAt(m_position, buffer, count);
  m_position += got;
  return got;
}

std::size_t CFile::ReadAt(std::uint64_t position, void* buffer, std::size_t count) const {
  if (m_fd < 0) return 0;
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const std::uint64_t at = position + done;
    if (at > static_cast<std::uint64_t>(INT64_MAX)) break;
    const ssize_t n = ::pread(m_fd, out + done, count - done, static_cast<off_t>(at));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace corvane
