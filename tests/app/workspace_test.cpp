#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/workspace.h"
#include "support/temp_dir.h"

namespace corvane::test {
namespace {

namespace fs = std::filesystem;

TEST(Workspace, FolderLiesInsideTheBaseWithOrWithoutTrailingSlash) {
  TempDir base;
  const std::u16string plain = GetTempWorkFolder(base.Wide());
  EXPECT_EQ(plain, base.Wide() + u"/PlinthHalyardCon/");
  EXPECT_EQ(GetTempWorkFolder(base.Wide() + u"/"), plain);
  struct stat st{};
  ASSERT_EQ(::stat((base.Path() / "PlinthHalyardCon").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST(Workspace, EmptyBaseMeansTheSystemTemporaryFolder) {
  TempDir tmp;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = runtime ? runtime : "";
  ::unsetenv("XDG_RUNTIME_DIR");
  ::setenv("TMPDIR", tmp.Path().c_str(), 1);
  EXPECT_EQ(GetTempWorkFolder(u""), tmp.Wide() + u"/PlinthHalyardCon/");
  RemoveTempWorkFolder(u"");
  EXPECT_FALSE(fs::exists(tmp.Path() / "PlinthHalyardCon"));
  ::unsetenv("TMPDIR");
  if (runtime) ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
}

TEST(Workspace, EmptyingRemovesNestedContentAndKeepsTheFolder) {
  TempDir base;
  const fs::path work = fs::path(NativePath(GetTempWorkFolder(base.Wide())));
  fs::create_directories(work / "a" / "b" / "c");
  std::ofstream(work / "a" / "b" / "c" / "deep.txt") << "x";
  std::ofstream(work / "top.mht") << "y";
  DeleteFolderContents(Utf8ToWide(work.string()));
  EXPECT_TRUE(fs::is_directory(work));
  EXPECT_TRUE(fs::is_empty(work));
}

TEST(Workspace, EmptyingNeverFollowsLinks) {
  TempDir base, outside;
  std::ofstream(outside.Path() / "keep.txt") << "precious";
  fs::create_directory(outside.Path() / "sub");
  std::ofstream(outside.Path() / "sub" / "keep2.txt") << "precious";
  const fs::path work = fs::path(NativePath(GetTempWorkFolder(base.Wide())));
  fs::create_directory_symlink(outside.Path(), work / "link-to-folder");
  fs::create_symlink(outside.Path() / "keep.txt", work / "link-to-file");
  RemoveTempWorkFolder(base.Wide());
  EXPECT_FALSE(fs::exists(work));
  EXPECT_EQ(ReadAll(outside.Path() / "keep.txt"), "precious");
  EXPECT_EQ(ReadAll(outside.Path() / "sub" / "keep2.txt"), "precious");
}

TEST(Workspace, ALinkInPlaceOfTheFolderIsNotUsed) {
  TempDir base, outside;
  std::ofstream(outside.Path() / "keep.txt") << "precious";
  fs::create_directory_symlink(outside.Path(), base.Path() / "PlinthHalyardCon");
  EXPECT_EQ(GetTempWorkFolder(base.Wide()), u"");
  RemoveTempWorkFolder(base.Wide());
  EXPECT_EQ(CreateBlankPage(base.Wide()), u"");
  EXPECT_EQ(ReadAll(outside.Path() / "keep.txt"), "precious");
  EXPECT_EQ(std::distance(fs::directory_iterator(outside.Path()), fs::directory_iterator()), 1);
}

TEST(Workspace, BlankPageIsTheEmptyHtmlPageInUtf16) {
  TempDir base;
  // A ".tmp" in a folder name must survive the change of extension.
  fs::create_directory(base.Path() / "x.tmp");
  const std::u16string page = CreateBlankPage(base.Wide() + u"/x.tmp");
  const std::string name = fs::path(NativePath(page)).filename().string();
  EXPECT_EQ(fs::path(NativePath(page)).parent_path(), base.Path() / "x.tmp" / "PlinthHalyardCon");
  EXPECT_EQ(name.rfind("Tmp", 0), 0u);
  EXPECT_TRUE(name.ends_with(".html"));
  const std::string bytes = ReadAll(NativePath(page));
  ASSERT_EQ(bytes.size(), 110u);
  std::string expected = "\xFF\xFE";
  for (char c : std::string("<html><head><title></title></head><body></body></html>")) expected += {c, '\0'};
  EXPECT_EQ(bytes, expected);
  // The placeholder ".tmp" file is gone.
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(NativePath(page)).parent_path()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace corvane::test
