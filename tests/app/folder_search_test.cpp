#include "app/folder_search.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/text.h"
#include "support/temp_dir.h"

namespace corvane {
namespace {

std::vector<std::string> Search(const test::TempDir& dir) {
  std::vector<std::string> found;
  SearchFolder(
      dir.Wide(), [] { return true; },
      [&](const std::u16string& path) {
        found.push_back(std::filesystem::path(WideToUtf8(path)).lexically_relative(dir.Path()).string());
      });
  return found;
}

TEST(FolderSearchTest, ListsEveryFileAtEveryDepthAndSurvivesLinkLoops) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "a" / "b" / ".hidden");
  dir.Write("top.mbox", "x");
  dir.Write("a/no-extension", "x");
  dir.Write("a/b/deep.imm", "x");
  dir.Write("a/b/.hidden/secret", "x");
  ASSERT_EQ(::symlink("..", (dir.Path() / "a" / "b" / "loop").c_str()), 0);
  ASSERT_EQ(::symlink("top.mbox", (dir.Path() / "link.mbox").c_str()), 0);

  std::vector<std::string> found = Search(dir);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"a/b/.hidden/secret", "a/b/deep.imm", "a/no-extension", "link.mbox",
                                             "top.mbox"}));
}

TEST(FolderSearchTest, StopEndsTheSearchAtEveryLevel) {
  test::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "sub");
  for (const char* name : {"sub/f0", "sub/f1", "sub/f2", "sub/f3", "g0", "g1", "g2", "g3"}) dir.Write(name, "x");
  // Stopped after the third file, wherever it lies: nothing more is found.
  int found = 0;
  SearchFolder(dir.Wide(), [&] { return found < 3; }, [&](const std::u16string&) { ++found; });
  EXPECT_EQ(found, 3);
  SearchFolder(dir.Wide(), [] { return false; }, [&](const std::u16string&) { ++found; });
  EXPECT_EQ(found, 3);
}

}  // namespace
}  // namespace corvane
