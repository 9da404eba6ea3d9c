// Encoded-word decoding of a header value, through a field coder as parsing does.
#include <cstdint>
#include <string>

#include "mime/mime_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (const char* name : {"Subject", "From", "Content-Type", "Date"}) {
    std::unique_ptr<corvane::CFieldCoder> coder = corvane::CMimeRegistry::MakeFieldCoder(name);
    coder->BindInput(reinterpret_cast<const char*>(data), static_cast<std::int64_t>(size), false);
    std::string out(static_cast<std::size_t>(coder->DecodedSize()), '\0');
    if (coder->Produce(out.data(), static_cast<std::int64_t>(out.size())) > static_cast<std::int64_t>(out.size())) {
      __builtin_trap();
    }
  }
  return 0;
}
