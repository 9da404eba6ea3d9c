// Quoted-printable and base64: decoding of anything stays inside its bound, and
// encoding then decoding gives the input back.
#include <cstdint>
#include <cstring>
#include <string>

#include "mime/base64_codec.h"
#include "mime/quoted_printable_codec.h"

namespace {

std::string RunCodec(corvane::CMimeCodec& codec, const std::string& input, bool encode) {
  codec.BindInput(input.data(), static_cast<std::int64_t>(input.size()), encode);
  const std::int64_t bound = codec.OutputSize();
  std::string out(static_cast<std::size_t>(bound), '\0');
  const std::int64_t n = codec.Produce(out.data(), bound);
  if (n < 0 || n > bound) __builtin_trap();
  out.resize(static_cast<std::size_t>(n));
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  corvane::CQuotedPrintableCodec qp(false);
  corvane::CQuotedPrintableCodec qpBinary(true);
  corvane::CBase64Codec b64(true);
  corvane::CBase64Codec b64Flat(false);
  RunCodec(qp, input, false);
  RunCodec(b64, input, false);
  if (RunCodec(b64, RunCodec(b64, input, true), false) != input) __builtin_trap();
  if (RunCodec(b64Flat, RunCodec(b64Flat, input, true), false) != input) __builtin_trap();
  if (RunCodec(qp, RunCodec(qpBinary, input, true), false) != input) __builtin_trap();
  return 0;
}
