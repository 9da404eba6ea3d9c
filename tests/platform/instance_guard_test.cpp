#include "platform/instance_guard.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace corvane {
namespace {

TEST(InstanceGuardTest, SecondHolderSeesTheFirstUntilItEnds) {
  const std::string name = "corvane-test-guard-" + std::to_string(::getpid());
  {
    CInstanceGuard first(name);
    EXPECT_FALSE(first.AlreadyExists());
    // Another process sees it too: the name is system-wide.
    const pid_t child = ::fork();
    if (child == 0) {
      CInstanceGuard second(name);
      ::_exit(second.AlreadyExists() ? 0 : 1);
    }
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  CInstanceGuard again(name);
  EXPECT_FALSE(again.AlreadyExists());
}

}  // namespace
}  // namespace corvane
