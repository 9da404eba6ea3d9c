// Header parsing and every lookup on what it parsed, then serialisation into a buffer
// of exactly the announced size.
#include <cstdint>
#include <string>

#include "mime/mime_header.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  corvane::CMimeHeader header;
  const std::int64_t used = header.ParseFrom(text.c_str(), static_cast<std::int64_t>(text.size()));
  if (used < 0 || used > static_cast<std::int64_t>(size)) __builtin_trap();
  (void)header.MediaType();
  (void)header.MainTypeText();
  (void)header.BoundaryParameter();
  (void)header.HasAttachmentName();
  for (const corvane::CMimeHeaderField& field : header.Fields()) {
    (void)field.ValueBeforeParameters();
    std::string value;
    field.ParameterValue("charset", &value);
  }
  const std::int64_t bound = header.SerializedSize();
  std::string out(static_cast<std::size_t>(bound), '\0');
  if (header.WriteTo(out.data(), bound) > bound) __builtin_trap();
  return 0;
}
