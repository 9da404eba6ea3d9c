#include "cli/json_writer.h"

#include <charconv>

#include "platform/text.h"

namespace corvane {

JsonWriter& JsonWriter::Raw(std::string_view text) {
  m_buffer.append(text);
  if (m_buffer.size() > (1u << 20)) Flush();
  return *this;
}

JsonWriter& JsonWriter::String(std::u16string_view text) {
  const std::string utf8 = WideToUtf8(text);
  m_buffer.push_back('"');
  for (char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"': m_buffer += "\\\""; break;
      case '\\': m_buffer += "\\\\"; break;
      case '\b': m_buffer += "\\b"; break;
      case '\f': m_buffer += "\\f"; break;
      case '\n': m_buffer += "\\n"; break;
      case '\r': m_buffer += "\\r"; break;
      case '\t': m_buffer += "\\t"; break;
      default:
        if (u < 0x20) {
          static constexpr char kHex[] = "0123456789abcdef";
          m_buffer += "\\u00";
          m_buffer.push_back(kHex[u >> 4]);
          m_buffer.push_back(kHex[u & 15]);
        } else {
          m_buffer.push_back(c);
        }
    }
  }
  m_buffer.push_back('"');
  return Raw({});
}

JsonWriter& JsonWriter::Number(std::uint64_t value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return Raw(std::string_view(digits, static_cast<std::size_t>(end - digits)));
}

JsonWriter& JsonWriter::Numbers(const std::vector<std::uint64_t>& values) {
  Raw("[");
  for (std::size_t k = 0; k < values.size(); ++k) {
    if (k) Raw(", ");
    Number(values[k]);
  }
  return Raw("]");
}

void JsonWriter::Flush() {
  if (!m_buffer.empty()) std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
  m_buffer.clear();
  std::fflush(m_out);
}

}  // namespace corvane
