// The system-wide single-instance guard: an abstract-namespace UNIX socket bound
// under the guard's name. It is held while the process lives and released by the
// kernel when the process ends, so a crash leaves nothing stale behind.
#pragma once

#include <string>

namespace corvane {

class CInstanceGuard {
 public:
  explicit CInstanceGuard(const std::string& name);
  ~CInstanceGuard();
  CInstanceGuard(const CInstanceGuard&) = delete;
  CInstanceGuard& operator=(const CInstanceGuard&) = delete;

  // Whether another process (or another guard of this one) already holds the name.
  bool AlreadyExists() const { return m_bAlreadyExists; }

 private:
  int m_fd = -1;
  bool m_bAlreadyExists = false;
};

inline constexpr char kInstanceGuardName[] = "Global\\{DODARORODERORIRAR_IDI}";

}  // namespace corvane
