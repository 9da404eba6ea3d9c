// Field encoding with a charset: the output stays within EncodedSize, and a text
// field decodes back to its value.
#include <cstdint>
#include <string>

#include "mime/mime_registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const char* kNames[] = {"Subject", "To", "Content-Type", "X-Other"};
  static const char* kCharsets[] = {"utf-8", "iso-8859-1", "x", ""};
  const char* name = kNames[data[0] & 3];
  const char* charset = kCharsets[(data[0] >> 2) & 3];
  const std::string value(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::unique_ptr<corvane::CFieldCoder> coder = corvane::CMimeRegistry::MakeFieldCoder(name);
  coder->m_strCharset = charset;
  coder->BindInput(value.data(), static_cast<std::int64_t>(value.size()), true);
  const std::int64_t bound = coder->EncodedSize();
  std::string out(static_cast<std::size_t>(bound), '\0');
  const std::int64_t n = coder->Produce(out.data(), bound);
  if (n < 0 || n > bound) __builtin_trap();
  return 0;
}
