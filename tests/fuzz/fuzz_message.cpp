// Whole-message parsing (with the NUL byte callers put after a message), leaf
// collection and serialisation into too-small and exact buffers.
#include <cstdint>
#include <string>
#include <vector>

#include "mime/mime_body.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  corvane::CMimeMessage message;
  const std::int64_t used = message.ParseFrom(text.c_str(), static_cast<std::int64_t>(text.size()));
  if (used > static_cast<std::int64_t>(size)) __builtin_trap();
  std::vector<const corvane::CMimeBody*> leaves;
  message.CollectLeafParts(leaves);
  for (const corvane::CMimeBody* leaf : leaves) {
    if (leaf->Content() && leaf->Content()[leaf->ContentSize()] != '\0') __builtin_trap();
  }
  const std::int64_t bound = message.SerializedSize();
  if (bound < (1 << 24)) {
    std::string out(static_cast<std::size_t>(bound / 2), '\0');
    if (message.WriteTo(out.data(), bound / 2) > bound / 2) __builtin_trap();
  }
  message.Reset();
  return 0;
}
