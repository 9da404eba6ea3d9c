// Writes the command-line program's JSON lines: UTF-8, standard escapes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

class JsonWriter {
 public:
  explicit JsonWriter(std::FILE* out) : m_out(out) {}
  ~JsonWriter() { Flush(); }

  JsonWriter& Raw(std::string_view text);
  // A JSON string from wide text; an unpaired surrogate becomes U+FFFD.
  JsonWriter& String(std::u16string_view text);
  JsonWriter& Number(std::uint64_t value);
  JsonWriter& Bool(bool value) { return Raw(value ? "true" : "false"); }
  JsonWriter& Numbers(const std::vector<std::uint64_t>& values);
  void Flush();

 private:
  std::FILE* m_out;
  std::string m_buffer;
};

}  // namespace corvane
