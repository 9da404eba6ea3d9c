// corvane: the command-line companion of the viewer. It indexes mailbox files and
// writes and reads snapshot files, printing JSON. It never writes to a mailbox file.
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "app/workspace.h"
#include "cli/json_writer.h"
#include "mailbox/mailbox_entry.h"
#include "platform/file.h"
#include "platform/text.h"
#include "presentation/mail_text.h"
#include "presentation/message_preview.h"
#include "presentation/message_row.h"
#include "snapshot/snapshot_file.h"

namespace corvane {
namespace {

constexpr char kUsage[] =
    "usage: corvane index [--no-mmap] FILE\n"
    "       corvane snapshot save SNAP FILE...\n"
    "       corvane snapshot show SNAP\n"
    "       corvane list FILE\n"
    "       corvane preview FILE I --out PATH\n";

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

// Opens and scans FILE as the viewer does; prints the error itself.
bool OpenScanned(std::string_view file, MailboxEntry* entry) {
  *entry = MakeMailboxEntry(Utf8ToWide(file), nullptr);
  if (OpenAndScan(*entry)) return true;
  Fail("cannot open " + std::string(file));
  return false;
}

int List(const std::vector<std::string_view>& args) {
  if (args.size() != 1) return Usage();
  MailboxEntry entry;
  if (!OpenScanned(args[0], &entry)) return 1;
  MailboxReader& reader = *entry.pReader;
  const std::u16string name = LastPathComponent(entry.strPath);
  JsonWriter out(stdout);
  for (std::uint64_t i = 0; i < reader.GetMessageCount(); ++i) {
    const std::optional<MessageRow> row = BuildMessageRow(reader, i, entry.bIsImm != 0, name);
    if (!row) continue;
    out.Raw("{\"i\": ").Number(i).Raw(", \"to\": ").String(row->To).Raw(", \"from\": ").String(row->From);
    out.Raw(", \"subject\": ").String(row->Subject).Raw(", \"date\": ").String(row->Date);
    out.Raw(", \"attachment\": ").Bool(row->HasAttachment).Raw("}\n");
  }
  return 0;
}

int Preview(const std::vector<std::string_view>& args) {
  if (args.size() != 4 || args[2] != "--out") return Usage();
  std::uint64_t index = 0;
  const std::string indexText(args[1]);
  char* end = nullptr;
  errno = 0;
  index = std::strtoull(indexText.c_str(), &end, 10);
  if (indexText.empty() || *end != '\0' || errno != 0 || indexText[0] == '-') return Fail("not a message number: " + indexText);
  MailboxEntry entry;
  if (!OpenScanned(args[0], &entry)) return 1;
  if (index >= entry.pReader->GetMessageCount()) {
    return Fail("message " + indexText + " is not below the count " + std::to_string(entry.pReader->GetMessageCount()));
  }
  // The preview is built in a private workspace of its own, then copied out.
  std::string base = (std::filesystem::temp_directory_path() / "corvane-preview-XXXXXX").string();
  if (!::mkdtemp(base.data())) return Fail("cannot create a temporary folder");
  const std::u16string tempBase = Utf8ToWide(base);
  CShellFileInfo shell;
  const std::optional<MessagePreview> preview = ShowMessagePreview(*entry.pReader, index, entry.bIsImm != 0, tempBase, shell);
  std::string bytes;
  if (preview) {
    CFile file;
    if (file.Open(preview->Path)) {
      bytes.resize(static_cast<std::size_t>(file.GetLength()));
      bytes.resize(file.ReadAt(0, bytes.data(), bytes.size()));
    }
  }
  RemoveTempWorkFolder(tempBase);
  ::rmdir(base.c_str());
  if (!preview) return Fail("message " + indexText + " cannot be previewed");
  std::ofstream outFile(std::string(args[3]), std::ios::binary | std::ios::trunc);
  outFile.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!outFile.flush()) return Fail("cannot write " + std::string(args[3]));
  JsonWriter out(stdout);
  out.Raw("{\"i\": ").Number(index).Raw(", \"subject\": ").String(preview->Subject);
  out.Raw(", \"from\": ").String(preview->From).Raw(", \"to\": ").String(preview->To);
  out.Raw(", \"date\": ").String(preview->Date).Raw(", \"attachments\": [");
  for (std::size_t k = 0; k < preview->Attachments.size(); ++k) {
    if (k) out.Raw(", ");
    out.String(preview->Attachments[k].Text);
  }
  out.Raw("]}\n");
  return 0;
}

int Run(int argc, char** argv) {
  std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return Usage();
  const std::string_view command = args.front();
  args.erase(args.begin());
  if (command == "index") return Index(args);
  if (command == "list") return List(args);
  if (command == "preview") return Preview(args);
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
