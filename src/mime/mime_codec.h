// The transfer codec base, which is also the identity codec ("7bit" and every
// encoding without a codec of its own). A codec is bound to an input range and a
// direction, tells an upper bound of its output, and writes into a buffer of that
// size. Codecs never allocate and never fail: they stop at the end of the input or
// of the output and report how many bytes they wrote. Sizes are 64-bit, so parts of
// 2 GiB and more are handled like small ones.
#pragma once

#include <cstdint>

namespace corvane {

class CMimeCodec {
 public:
  virtual ~CMimeCodec() = default;

  void BindInput(const char* input, std::int64_t size, bool encode) {
    m_pInput = reinterpret_cast<const unsigned char*>(input);
    m_nInputSize = size < 0 ? 0 : size;
    m_bEncode = encode;
  }
  std::int64_t OutputSize() const { return m_bEncode ? EncodedSize() : DecodedSize(); }
  std::int64_t Produce(char* output, std::int64_t capacity) {
    return m_bEncode ? EncodeInto(output, capacity) : DecodeInto(output, capacity);
  }

  virtual std::int64_t EncodedSize() const { return m_nInputSize; }
  virtual std::int64_t DecodedSize() const { return m_nInputSize; }
  virtual std::int64_t EncodeInto(char* output, std::int64_t capacity) { return Copy(output, capacity); }
  virtual std::int64_t DecodeInto(char* output, std::int64_t capacity) { return Copy(output, capacity); }

 protected:
  std::int64_t Copy(char* output, std::int64_t capacity) const;

  const unsigned char* m_pInput = nullptr;
  std::int64_t m_nInputSize = 0;
  bool m_bEncode = false;
};

}  // namespace corvane
