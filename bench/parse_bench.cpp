// Parses every message of an MBOX file, repeated until about 200 MiB went through the
// parser, and reads what a message list needs: To, From, Subject, Date and the walk
// over the parts. Prints one JSON line with MB/s and messages/s.
//
// usage: parse_bench MBOX [MIB]
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "mailbox/mailbox_reader.h"
#include "mime/mime_body.h"
#include "platform/text.h"

int main(int argc, char** argv) {
  if (argc < 2) return 1;
  const double mib = argc > 2 ? std::atof(argv[2]) : 200;
  corvane::MailboxReader reader;
  if (!reader.Open(corvane::Utf8ToWide(argv[1]))) return 1;
  reader.ScanMbox();
  // The viewer hands the parser messages with CR LF line ends; make them once, untimed.
  std::vector<std::string> messages;
  for (std::uint64_t i = 0; i < reader.GetMessageCount(); ++i) {
    std::uint64_t length = 0;
    corvane::MessageBuffer buffer = reader.ReadMessage(i, true, &length);
    if (!buffer) continue;
    std::string crlf;
    for (std::uint64_t k = 0; k < length; ++k) {
      if (buffer.get()[k] == '\n' && (k == 0 || buffer.get()[k - 1] != '\r')) crlf += '\r';
      crlf += buffer.get()[k];
    }
    messages.push_back(std::move(crlf));
  }
  const auto target = static_cast<std::uint64_t>(mib * 1024 * 1024);
  std::uint64_t bytes = 0, count = 0, parts = 0, fieldBytes = 0;
  const auto start = std::chrono::steady_clock::now();
  while (bytes < target) {
    for (const std::string& m : messages) {
      corvane::CMimeMessage message;
      message.ParseFrom(m.c_str(), static_cast<std::int64_t>(m.size()));
      for (const char* name : {"To", "From", "Subject", "Date"}) {
        if (const char* v = message.FieldValue(name)) fieldBytes += std::char_traits<char>::length(v);
      }
      std::vector<const corvane::CMimeBody*> leaves;
      parts += static_cast<std::uint64_t>(message.CollectLeafParts(leaves));
      bytes += m.size();
      ++count;
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("{\"bytes\": %llu, \"messages\": %llu, \"parts\": %llu, \"seconds\": %.3f, \"mb_per_s\": %.1f, "
              "\"messages_per_s\": %.0f, \"field_bytes\": %llu}\n",
              static_cast<unsigned long long>(bytes), static_cast<unsigned long long>(count),
              static_cast<unsigned long long>(parts), seconds, bytes / seconds / 1e6, count / seconds,
              static_cast<unsigned long long>(fieldBytes));
  return 0;
}
