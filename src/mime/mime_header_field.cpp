#include "mime/mime_header_field.h"

#include <cstring>

#include "mime/find_bytes.h"
#include "mime/mime_char_classes.h"
#include "mime/mime_registry.h"

namespace corvane {

std::string CMimeHeaderField::ValueBeforeParameters() const {
  std::size_t end = m_strValue.find(';');
  if (end == std::string::npos) end = m_strValue.size();
  while (end > 0 && IsMimeSpace(static_cast<unsigned char>(m_strValue[end - 1]))) --end;
  return m_strValue.substr(0, end);
}

bool CMimeHeaderField::LocateParameter(std::string_view name, std::size_t* offset, std::size_t* length) const {
  const auto* v = reinterpret_cast<const unsigned char*>(m_strValue.data());
  std::size_t limit = m_strValue.size();
  if (const void* nul = std::memchr(v, 0, limit)) limit = static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - v);
  std::size_t i = 0;
  while (i < limit && v[i] != ';') ++i;
  if (i == limit) return false;
  for (;;) {
    while (i < limit && (IsMimeSpace(v[i]) || v[i] == ';')) ++i;
    const std::size_t nameStart = i;
    std::size_t eq = i;
    while (eq < limit && v[eq] != '=') ++eq;
    if (eq == limit) return false;
    std::size_t start = eq + 1;
    while (start < limit && (v[start] == ' ' || v[start] == '\t' || v[start] == '\r' || v[start] == '\n')) ++start;
    std::size_t end = start;
    bool quoted = false;
    if (start < limit && v[start] == '"') {
      std::size_t close = start + 1;
      while (close < limit && v[close] != '"') ++close;
      if (close < limit) {
        end = close + 1;
        quoted = true;
      }
    }
    if (!quoted) {
      while (end < limit && (v[end] == '.' || v[end] >= 0x80 || (v[end] > ' ' && !IsMimeSpecial(v[end])))) ++end;
    }
    const std::size_t after = nameStart + name.size();
    if (after < limit &&
        EqualsNoCase(std::string_view(m_strValue.data() + nameStart, name.size()), name) &&
        (IsMimeSpace(v[after]) || v[after] == '=')) {
      *offset = start;
      *length = end - start;
      return true;
    }
    i = end;
  }
}

bool CMimeHeaderField::ParameterValue(std::string_view name, std::string* text) const {
  text->clear();
  std::size_t offset = 0;
  std::size_t length = 0;
  if (!LocateParameter(name, &offset, &length)) return false;
  std::string_view raw(m_strValue.data() + offset, length);
  if (!raw.empty() && raw.front() == '"') {
    raw.remove_prefix(1);
    if (!raw.empty() && raw.back() == '"') raw.remove_suffix(1);
  }
  text->assign(raw);
  return true;
}

std::int64_t CMimeHeaderField::SerializedSize() const {
  std::unique_ptr<CFieldCoder> coder = CMimeRegistry::MakeFieldCoder(m_strName);
  coder->m_strCharset = m_strCharset;
  coder->BindInput(m_strValue.data(), static_cast<std::int64_t>(m_strValue.size()), true);
  return static_cast<std::int64_t>(m_strName.size()) + coder->EncodedSize() + 4;
}

std::int64_t CMimeHeaderField::WriteTo(char* buffer, std::int64_t size) const {
  const auto fixed = static_cast<std::int64_t>(m_strName.size()) + 4;
  if (size < fixed) return 0;
  std::memcpy(buffer, m_strName.data(), m_strName.size());
  std::int64_t o = static_cast<std::int64_t>(m_strName.size());
  buffer[o++] = ':';
  buffer[o++] = ' ';
  std::unique_ptr<CFieldCoder> coder = CMimeRegistry::MakeFieldCoder(m_strName);
  coder->m_strCharset = m_strCharset;
  coder->BindInput(m_strValue.data(), static_cast<std::int64_t>(m_strValue.size()), true);
  o += coder->EncodeInto(buffer + o, size - fixed);
  buffer[o++] = '\r';
  buffer[o++] = '\n';
  return o;
}

std::int64_t CMimeHeaderField::ParseFrom(const char* data, std::int64_t size) {
  m_strName.clear();
  m_strValue.clear();
  m_strCharset.clear();
  const char* end = data + size;
  const char* line = data;
  // Lines that begin with whitespace where a field should start are skipped.
  while (line < end && IsMimeSpace(static_cast<unsigned char>(*line))) {
    if (*line == '\r') return 0;
    const char* crlf = FindBytes(line, "\r\n", 2, end);
    if (!crlf) return 0;
    line = crlf + 2;
  }
  const char* stop = line;
  while (stop < end && *stop != '\0' && *stop != ':' && *stop != '\r' && *stop != '\n') ++stop;
  const char* value = line;
  if (stop < end && *stop == ':') {
    m_strName.assign(line, stop);
    value = stop + 1;
  }
  while (value < end && (*value == ' ' || *value == '\t')) ++value;
  const char* crlf = FindBytes(value, "\r\n", 2, end);
  if (!crlf) return 0;
  // A line break followed by a space or tab continues the value.
  while (crlf + 2 < end && (crlf[2] == ' ' || crlf[2] == '\t')) {
    const char* next = FindBytes(crlf + 2, "\r\n", 2, end);
    if (!next) return 0;
    crlf = next;
  }
  std::unique_ptr<CFieldCoder> coder = CMimeRegistry::MakeFieldCoder(m_strName);
  coder->BindInput(value, crlf - value, false);
  m_strValue.resize(static_cast<std::size_t>(coder->DecodedSize()));
  m_strValue.resize(static_cast<std::size_t>(coder->DecodeInto(m_strValue.data(), static_cast<std::int64_t>(m_strValue.size()))));
  m_strCharset = coder->m_strCharset;
  return crlf + 2 - data;
}

}  // namespace corvane
