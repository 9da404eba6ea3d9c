#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>

#include "support/temp_dir.h"

namespace corvane::test {
namespace {

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

CliRun Corvane(const std::string& args) {
  TempDir dir;
  const std::string errFile = (dir.Path() / "err").string();
  const std::string command = std::string(CORVANE_CLI_PATH) + " " + args + " 2>" + errFile;
  CliRun run{};
  FILE* pipe = ::popen(command.c_str(), "r");
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) run.out.append(buffer, n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.err = ReadAll(errFile);
  return run;
}

TEST(Cli, IndexPrintsTheIndexBothWays) {
  TempDir dir;
  const std::string path = dir.Write("a.mbox", "From a\nx\nFrom b\ny\n");
  const std::string expected = "{\"path\": \"" + path + "\", \"imm\": false, \"offsets\": [0, 8, 18], \"count\": 2}\n";
  EXPECT_EQ(Corvane("index " + path).out, expected);
  EXPECT_EQ(Corvane("index --no-mmap " + path).out, expected);
  const std::string imm = dir.Write("b.imm", "x\nMIME-Version: 1.0\nFrom: a\n");
  EXPECT_EQ(Corvane("index " + imm).out,
            "{\"path\": \"" + imm + "\", \"imm\": true, \"offsets\": [0, 28], \"count\": 1}\n");
}

TEST(Cli, CorpusIndexIsTheSameMappedAndReadThrough) {
  const std::string corpus = CORVANE_CORPUS_DIR "/python-email.mbox";
  const CliRun mapped = Corvane("index " + corpus);
  EXPECT_EQ(mapped.status, 0);
  EXPECT_NE(mapped.out.find("\"count\": 48}"), std::string::npos);
  EXPECT_EQ(Corvane("index --no-mmap " + corpus).out, mapped.out);
}

TEST(Cli, ErrorsGoToStderrWithStatusOne) {
  const CliRun missing = Corvane("index /nonexistent/x.mbox");
  EXPECT_EQ(missing.status, 1);
  EXPECT_TRUE(missing.out.empty());
  EXPECT_EQ(std::count(missing.err.begin(), missing.err.end(), '\n'), 1);
  EXPECT_EQ(Corvane("frobnicate").status, 1);
}

TEST(Cli, SnapshotSaveThenShow) {
  TempDir dir;
  const std::string mbox = dir.Write("a.mbox", "From a\nx\nFrom b\ny\n");
  std::filesystem::create_directory(dir.Path() / "Attachments");
  const std::string imm = dir.Write("b.imm", "x\nMIME-Version: 1.0\nFrom: a\n");
  const std::string snap = (dir.Path() / "s.MBOXVIEWCVN").string();
  const std::string gone = (dir.Path() / "gone.mbox").string();
  ASSERT_EQ(Corvane("snapshot save " + snap + " " + mbox + " " + imm + " " + gone).status, 0);
  const CliRun shown = Corvane("snapshot show " + snap);
  EXPECT_EQ(shown.status, 0);
  EXPECT_EQ(shown.out,
            "{\"path\": \"" + mbox + "\", \"imm\": 0, \"attach_folder\": 0, \"offsets\": [0, 8, 18]}\n"
            "{\"path\": \"" + imm + "\", \"imm\": 1, \"attach_folder\": 1, \"offsets\": [0, 28]}\n"
            "{\"path\": \"" + gone + "\", \"imm\": 0, \"attach_folder\": 0, \"offsets\": []}\n");
}

TEST(Cli, DamagedSnapshotIsRefused) {
  TempDir dir;
  const std::string snap = dir.Write("bad.MBOXVIEWCVN", std::string("\x01\x00\x00\x00\x09", 5));
  const CliRun run = Corvane("snapshot show " + snap);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
}

}  // namespace
}  // namespace corvane::test

namespace corvane::test {
namespace {

TEST(Cli, ListPrintsOneRowPerMessage) {
  TempDir dir;
  const std::string box = dir.Write(
      "a.mbox",
      "From a\nFrom: Ann <a@x>\nTo: Bo\nSubject: =?utf-8?q?caf=C3=A9?=\nDate: today\n\nhi\n"
      "From b\nSubject: two\nContent-Type: multipart/mixed; boundary=q\n\n--q\nContent-Type: image/png; name=x.png\n\nx\n--q--\n");
  const CliRun run = Corvane("list " + box);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "{\"i\": 0, \"to\": \"Bo\", \"from\": \"Ann <a@x>\", \"subject\": \"caf\xC3\xA9\", \"date\": \"today\", "
            "\"attachment\": false}\n"
            "{\"i\": 1, \"to\": \"\", \"from\": \"\", \"subject\": \"two\", \"date\": \"\", \"attachment\": true}\n");
  const CliRun corpus = Corvane("list " CORVANE_CORPUS_DIR "/python-email.mbox");
  EXPECT_EQ(corpus.status, 0);
  EXPECT_EQ(std::count(corpus.out.begin(), corpus.out.end(), '\n'), 48);
  EXPECT_NE(corpus.out.find("{\"i\": 47, "), std::string::npos);
}

TEST(Cli, PreviewWritesTheFileAndPrintsTheTexts) {
  TempDir dir;
  const std::string box = dir.Write(
      "a.mbox",
      "From a\nSubject: first\n\nx\n"
      "From b\nSubject: files\nFrom: F\nTo: T\nDate: D\nContent-Type: multipart/mixed; boundary=q\n\n"
      "--q\nContent-Type: text/plain\n\nsee\n--q\nContent-Type: application/pdf; name=\"a.pdf\"\n\nx\n"
      "--q\nContent-Type: application/zip; name=\"b.zip\"\n\nx\n--q--\n");
  const std::string out = (dir.Path() / "p.mht").string();
  const CliRun run = Corvane("preview " + box + " 1 --out " + out);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out,
            "{\"i\": 1, \"subject\": \"files\", \"from\": \"F\", \"to\": \"T\", \"date\": \"D\", "
            "\"attachments\": [\"a.pdf\", \"b.zip\"]}\n");
  const std::string mht = ReadAll(out);
  EXPECT_TRUE(mht.starts_with("From b\r\nSubject: files\r\n"));
  EXPECT_EQ(mht.find("\n\n"), std::string::npos);

  for (const std::string& bad : {box + " 2 --out " + out, box + " x --out " + out, "/nonexistent 0 --out " + out}) {
    const CliRun failed = Corvane("preview " + bad);
    EXPECT_EQ(failed.status, 1) << bad;
    EXPECT_EQ(std::count(failed.err.begin(), failed.err.end(), '\n'), 1) << bad;
  }
  EXPECT_EQ(Corvane("list /nonexistent").status, 1);
}

}  // namespace
}  // namespace corvane::test

namespace corvane::test {
namespace {

TEST(Cli, EveryCorpusMessagePreviews) {
  TempDir dir;
  const std::string corpus = CORVANE_CORPUS_DIR "/python-email.mbox";
  const std::string out = (dir.Path() / "p.mht").string();
  for (int i = 0; i < 48; ++i) {
    const CliRun run = Corvane("preview " + corpus + " " + std::to_string(i) + " --out " + out);
    ASSERT_EQ(run.status, 0) << i << run.err;
    ASSERT_EQ(run.out.rfind("{\"i\": " + std::to_string(i) + ", ", 0), 0u) << i;
    // Every preview file has CR LF line ends.
    const std::string mht = ReadAll(out);
    EXPECT_NE(mht.find("\r\n"), std::string::npos) << i;
  }
  // msg_07.txt: a text part and a GIF.
  const CliRun gif = Corvane("preview " + corpus + " 6 --out " + out);
  EXPECT_NE(gif.out.find("\"attachments\": [\"dingusfish.gif\"]"), std::string::npos) << gif.out;
}

}  // namespace
}  // namespace corvane::test
