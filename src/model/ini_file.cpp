#include "model/ini_file.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>

#include "model/errors.h"
#include "model/file_io.h"
#include "model/text_case.h"

namespace pyrovel {

namespace {

std::string_view trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

std::string unquote(std::string_view v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  return std::string(v);
}

std::string oneLine(std::string_view text) {
  std::string s(text);
  std::replace_if(
      s.begin(), s.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
  return s;
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
  IniFile ini;
  const std::size_t firstBreak = text.find('\n');
  if (firstBreak != std::string_view::npos && firstBreak > 0 && text[firstBreak - 1] == '\r') {
    ini.newline_ = "\r\n";
  }
  // A lone CR ends a line too: a value never holds a line break, as
  // writeString makes sure, so whatever is read can be written back as read.
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view raw = text.substr(pos, end - pos);
    pos = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);

    Line line;
    line.raw = std::string(raw);
    const std::string_view body = trim(raw);
    if (!body.empty() && body.front() == '[' && body.find(']') != std::string_view::npos) {
      line.kind = Line::Section;
      line.section = std::string(trim(body.substr(1, body.find(']') - 1)));
    } else if (!body.empty() && body.front() != ';' && body.front() != '#' &&
               body.find('=') != std::string_view::npos) {
      const std::size_t eq = body.find('=');
      line.kind = Line::Entry;
      line.key = std::string(trim(body.substr(0, eq)));
      line.value = unquote(trim(body.substr(eq + 1)));
    }
    ini.lines_.push_back(std::move(line));
  }
  return ini;
}

IniFile IniFile::load(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return IniFile{};
  const Bytes data = readFileBytes(path);
  return parse(std::string_view(reinterpret_cast<const char*>(data.data()), data.size()));
}

std::optional<std::size_t> IniFile::findSection(std::string_view section) const {
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Line::Section && sameTextIgnoringCase(lines_[i].section, section))
      return i;
  }
  return std::nullopt;
}

std::optional<std::size_t> IniFile::findEntry(std::string_view section,
                                              std::string_view key) const {
  const auto header = findSection(section);
  if (!header) return std::nullopt;
  for (std::size_t i = *header + 1; i < lines_.size() && lines_[i].kind != Line::Section; ++i) {
    if (lines_[i].kind == Line::Entry && sameTextIgnoringCase(lines_[i].key, key)) return i;
  }
  return std::nullopt;
}

bool IniFile::hasSection(std::string_view section) const {
  return findSection(section).has_value();
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
  const auto i = findEntry(section, key);
  if (!i) return std::nullopt;
  return lines_[*i].value;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                const std::string& fallback) const {
  return value(section, key).value_or(fallback);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int fallback) const {
  const auto v = value(section, key);
  if (!v) return fallback;
  std::string_view s = trim(*v);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  int result = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), result);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return fallback;
  return result;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  Line entry;
  entry.kind = Line::Entry;
  entry.key = oneLine(trim(key));
  entry.value = oneLine(value);
  entry.raw = entry.key + "=" + entry.value;

  if (const auto found = findEntry(section, key)) {
    lines_[*found] = std::move(entry);
    return;
  }
  const auto header = findSection(section);
  if (!header) {
    if (!lines_.empty() && !trim(lines_.back().raw).empty()) lines_.push_back(Line{});
    Line head;
    head.kind = Line::Section;
    head.section = oneLine(section);
    head.raw = "[" + head.section + "]";
    lines_.push_back(std::move(head));
    lines_.push_back(std::move(entry));
    return;
  }
  // After the last non-blank line of the section, so a blank line that
  // separates it from the next section stays where it is.
  std::size_t insertAt = *header + 1;
  for (std::size_t i = insertAt; i < lines_.size() && lines_[i].kind != Line::Section; ++i) {
    if (!trim(lines_[i].raw).empty()) insertAt = i + 1;
  }
  lines_.insert(lines_.begin() + static_cast<long>(insertAt), std::move(entry));
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value) {
  writeString(section, key, std::to_string(value));
}

std::string IniFile::text() const {
  std::string out;
  for (const Line& line : lines_) out += line.raw + newline_;
  return out;
}

void IniFile::save(const std::string& path) const {
  writeFileAtomically(path, text());
}

}  // namespace pyrovel
