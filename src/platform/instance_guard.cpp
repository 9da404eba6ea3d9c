#include "platform/instance_guard.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <algorithm>
#include <cstring>

namespace corvane {

CInstanceGuard::CInstanceGuard(const std::string& name) {
  m_fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (m_fd < 0) return;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // An abstract name starts with a zero byte and is not a file.
  const std::size_t length = std::min(name.size(), sizeof(address.sun_path) - 1);
  std::memcpy(address.sun_path + 1, name.data(), length);
  const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
  if (::bind(m_fd, reinterpret_cast<const sockaddr*>(&address), size) != 0) {
    m_bAlreadyExists = errno == EADDRINUSE;
    ::close(m_fd);
    m_fd = -1;
  }
}

CInstanceGuard::~CInstanceGuard() {
  if (m_fd >= 0) ::close(m_fd);
}

}  // namespace corvane
