// One header field: its name as written, its value with encoded words decoded, and
// the charset of the first encoded word. All bytes as they stand in the message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

class CMimeHeaderField {
 public:
  const std::string& Name() const { return m_strName; }
  const std::string& Value() const { return m_strValue; }
  const std::string& Charset() const { return m_strCharset; }
  void SetName(std::string name) { m_strName = std::move(name); }
  void SetValue(std::string value) { m_strValue = std::move(value); }
  void SetCharset(std::string charset) { m_strCharset = std::move(charset); }

  // The value up to its first ';', trailing space-class bytes removed.
  std::string ValueBeforeParameters() const;
  // Where the raw value of parameter `name` lies in Value() (quotes included).
  bool LocateParameter(std::string_view name, std::size_t* offset, std::size_t* length) const;
  // The parameter's value without its surrounding quotes; *text is emptied when the
  // parameter is missing.
  bool ParameterValue(std::string_view name, std::string* text) const;

  std::int64_t SerializedSize() const;
  // Writes "name: value\r\n" with the value re-encoded; 0 when the buffer is too small
  // even for the name. Never writes past size.
  std::int64_t WriteTo(char* buffer, std::int64_t size) const;
  // Parses one field (and its continuation lines) from data; the bytes consumed, or
  // 0 when the field's line has no "\r\n" inside the range.
  std::int64_t ParseFrom(const char* data, std::int64_t size);

 private:
  std::string m_strName;
  std::string m_strValue;
  std::string m_strCharset;
};

}  // namespace corvane
