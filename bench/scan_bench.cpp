// Micro-benchmarks of the boundary scans over a file in the page cache.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "mailbox/mailbox_reader.h"
#include "platform/text.h"

namespace {

std::string MakeFile(const char* name, const std::string& block, std::size_t bytes) {
  const std::string path = std::string(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") + "/" + name;
  std::ofstream out(path, std::ios::binary);
  for (std::size_t written = 0; written < bytes; written += block.size()) out << block;
  return path;
}

void Scan(benchmark::State& state, const std::string& path, bool imm, bool mapped) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    corvane::MailboxReader reader;
    reader.m_bAllowMapping = mapped;
    reader.Open(corvane::Utf8ToWide(path));
    if (imm) {
      reader.ScanImm(corvane::Utf8ToWide(path));
    } else {
      reader.ScanMbox();
    }
    bytes += reader.m_offsets.empty() ? 0 : reader.m_offsets.back();
    benchmark::DoNotOptimize(reader.m_offsets.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

const std::string kMbox =
    "From someone@example.org Mon Dec  7 09:15:00 2026\nFrom: A <a@example.org>\nTo: B <b@example.org>\n"
    "Subject: hello\nDate: Mon, 7 Dec 2026 09:15:00 +0100\n\n" + std::string(40, 'x') + "\nFrom the body, quoted\n" +
    std::string(2000, 'y') + "\n";
const std::string kImm =
    "From: A <a@example.org>\r\nTo: B <b@example.org>\r\nSubject: hello\r\nDate: d\r\nMIME-Version: 1.0\r\n\r\n" +
    std::string(2000, 'y') + "\r\n";

void BM_ScanMboxMapped(benchmark::State& state) { Scan(state, MakeFile("corvane-bench.mbox", kMbox, 64u << 20), false, true); }
void BM_ScanMboxReadThrough(benchmark::State& state) { Scan(state, MakeFile("corvane-bench.mbox", kMbox, 64u << 20), false, false); }
void BM_ScanImmMapped(benchmark::State& state) { Scan(state, MakeFile("corvane-bench.imm", kImm, 64u << 20), true, true); }

BENCHMARK(BM_ScanMboxMapped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanMboxReadThrough)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScanImmMapped)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
