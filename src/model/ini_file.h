#pragma once
// A small INI file reader and writer in the manner of the Windows profile
// functions: sections and keys are found without regard to letter case, keys
// keep their inner spaces ("Property state"), and writing a key changes only
// its own line, so comments and entries of other programs survive.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pyrovel {

class IniFile {
 public:
  IniFile() = default;

  static IniFile parse(std::string_view text);
  // A missing file gives an empty IniFile; an unreadable one throws LevelError.
  static IniFile load(const std::string& path);

  bool hasSection(std::string_view section) const;
  // The value as written (surrounding blanks and one pair of quotes removed);
  // nothing when the key is absent. The first of duplicate keys wins.
  std::optional<std::string> value(std::string_view section, std::string_view key) const;

  std::string readString(std::string_view section, std::string_view key,
                         const std::string& fallback) const;
  // A whole decimal number; anything else gives the fallback.
  int readInteger(std::string_view section, std::string_view key, int fallback) const;

  // Replaces the key's line in place, or adds the key at the end of its
  // section (and the section at the end of the file). Line breaks in the
  // value become blanks so that one value can never make another line.
  void writeString(std::string_view section, std::string_view key, std::string_view value);
  void writeInteger(std::string_view section, std::string_view key, int value);

  std::string text() const;
  // Written through a temporary file, so a failed write keeps the old file.
  void save(const std::string& path) const;

 private:
  struct Line {
    std::string raw;      // the line as it is written out
    std::string section;  // for a section header: its name
    std::string key;      // for an entry: its key
    std::string value;    // for an entry: its value
    enum Kind { Other, Section, Entry } kind = Other;
  };
  // Line indexes of a section header and of an entry within its section.
  std::optional<std::size_t> findSection(std::string_view section) const;
  std::optional<std::size_t> findEntry(std::string_view section, std::string_view key) const;

  std::vector<Line> lines_;
  std::string newline_ = "\n";
};

}  // namespace pyrovel
