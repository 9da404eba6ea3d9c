// corvane: the command-line companion of the viewer. It indexes mailbox files and
// writes and reads snapshot files, printing JSON. It never writes to a mailbox file.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/json_writer.h"
#include "mailbox/mailbox_entry.h"
#include "platform/text.h"
#include "snapshot/snapshot_file.h"

namespace corvane {
namespace {

constexpr char kUsage[] =
    "usage: corvane index [--no-mmap] FILE\n"
    "       corvane snapshot save SNAP FILE...\n"
    "       corvane snapshot show SNAP\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "corvane: %s\n", message.c_str());
  return 1;
}

int Usage() {
  std::fputs(kUsage, stderr);
  return 1;
}

int Index(const std::vector<std::string_view>& args) {
  bool allowMapping = true;
  std::vector<std::string_view> files;
  for (std::string_view arg : args) {
    if (arg == "--no-mmap") {
      allowMapping = false;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() != 1) return Usage();
  MailboxEntry entry = MakeMailboxEntry(Utf8ToWide(files[0]), nullptr);
  entry.pReader->m_bAllowMapping = allowMapping;
  if (!OpenAndScan(entry)) return Fail("cannot open " + std::string(files[0]));
  JsonWriter out(stdout);
  out.Raw("{\"path\": ").String(entry.strPath).Raw(", \"imm\": ").Bool(entry.bIsImm != 0);
  out.Raw(", \"offsets\": ").Numbers(entry.pReader->m_offsets);
  out.Raw(", \"count\": ").Number(entry.pReader->GetMessageCount()).Raw("}\n");
  return 0;
}

int SnapshotSave(const std::vector<std::string_view>& args) {
  if (args.size() < 2) return Usage();
  std::vector<MailboxEntry> entries;
  for (std::size_t k = 1; k < args.size(); ++k) {
    // As in the viewer, a file that cannot be opened is kept with an empty index.
    entries.push_back(MakeMailboxEntry(Utf8ToWide(args[k]), nullptr));
    OpenAndScan(entries.back());
  }
  std::string error;
  if (!WriteSnapshot(Utf8ToWide(args[0]), entries, &error)) return Fail(error);
  return 0;
}

int SnapshotShow(const std::vector<std::string_view>& args) {
  if (args.size() != 1) return Usage();
  std::vector<SnapshotEntry> entries;
  std::string error;
  if (!ReadSnapshot(Utf8ToWide(args[0]), &entries, &error)) return Fail(error);
  JsonWriter out(stdout);
  for (const SnapshotEntry& entry : entries) {
    out.Raw("{\"path\": ").String(entry.path);
    out.Raw(", \"imm\": ").Number(entry.isImm).Raw(", \"attach_folder\": ").Number(entry.attachFolderExists);
    out.Raw(", \"offsets\": ").Numbers(entry.offsets).Raw("}\n");
  }
  return 0;
}

int Run(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string_view command = args.front();
  args.erase(args.begin());
  if (command == "index") return Index(args);
  if (command == "snapshot" && !args.empty()) {
    const std::string_view sub = args.front();
    args.erase(args.begin());
    if (sub == "save") return SnapshotSave(args);
    if (sub == "show") return SnapshotShow(args);
  }
  return Usage();
}

}  // namespace
}  // namespace corvane

int main(int argc, char** argv) {
  try {
    return corvane::Run(argc, argv);
  } catch (const std::exception& e) {
    return corvane::Fail(e.what());
  } catch (...) {
    return corvane::Fail("unexpected error");
  }
}
