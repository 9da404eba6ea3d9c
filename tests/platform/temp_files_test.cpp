#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>

#include "platform/temp_files.h"
#include "support/temp_dir.h"

namespace corvane::test {
namespace {

TEST(TempFiles, NamesAreNewExclusiveFiles) {
  TempDir dir;
  std::set<std::u16string> names;
  for (int k = 0; k < 50; ++k) {
    const std::u16string path = GetTempFileNameW(dir.Wide(), u"Tmp");
    ASSERT_FALSE(path.empty());
    const std::filesystem::path native = NativePath(path);
    EXPECT_EQ(native.parent_path(), dir.Path());
    EXPECT_TRUE(std::regex_match(native.filename().string(), std::regex("Tmp[0-9A-F]+\\.tmp")));
    struct stat st{};
    ASSERT_EQ(::stat(native.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(st.st_size, 0);
    names.insert(path);
  }
  EXPECT_EQ(names.size(), 50u);
  EXPECT_EQ(GetTempFileNameW(dir.Wide() + u"/missing", u"Tmp"), u"");
  EXPECT_EQ(GetTempFileNameW(u"", u"Tmp"), u"");
}

TEST(TempFiles, TempPathFollowsTheEnvironment) {
  TempDir runtime, tmp;
  const char* savedRuntime = std::getenv("XDG_RUNTIME_DIR");
  const std::string keep = savedRuntime ? savedRuntime : "";
  ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
  ::setenv("TMPDIR", tmp.Path().c_str(), 1);
  EXPECT_EQ(GetTempPathW(), runtime.Wide() + u"/");
  ::setenv("XDG_RUNTIME_DIR", "/nonexistent-runtime", 1);
  EXPECT_EQ(GetTempPathW(), tmp.Wide() + u"/");
  ::unsetenv("TMPDIR");
  EXPECT_EQ(GetTempPathW(), u"/tmp/");
  if (savedRuntime) {
    ::setenv("XDG_RUNTIME_DIR", keep.c_str(), 1);
  } else {
    ::unsetenv("XDG_RUNTIME_DIR");
  }
}

}  // namespace
}  // namespace corvane::test
