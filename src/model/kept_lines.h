#pragma once
// Lines of a file kept as it had them, to be written back (a BDCFF cave's
// lines the level record has no field for). They are held as one text,
// each line followed by '\n', so that a level's lines cost one allocation
// however many there are, when read and in every undo step that keeps them.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace pyrovel {

class KeptLines {
 public:
  KeptLines() = default;
  KeptLines(std::initializer_list<std::string_view> lines) {
    for (const std::string_view line : lines) append(line);
  }

  bool empty() const { return text_.empty(); }
  void clear() { text_.clear(); }
  // Room for `bytes` of lines with their line ends.
  void reserve(std::size_t bytes) { text_.reserve(bytes); }
  // A line without its end; a '\n' inside it would make it two.
  void append(std::string_view line) {
    text_ += line;
    text_ += '\n';
  }

  // Calls take(line) for each line, without its end, in order.
  template <typename Take>
  void forEach(Take&& take) const {
    const std::string_view text = text_;
    for (std::size_t start = 0; start < text.size();) {
      const std::size_t end = text.find('\n', start);
      take(text.substr(start, end - start));
      start = end + 1;
    }
  }
  // The lines joined by line ends, and back: n line ends make n + 1 lines
  // (a CR before one is dropped), no text no lines.
  std::string joined() const {
    return text_.empty() ? std::string() : text_.substr(0, text_.size() - 1);
  }
  static KeptLines fromJoined(std::string_view text) {
    KeptLines lines;
    for (std::size_t start = 0; !text.empty();) {
      const std::size_t end = text.find('\n', start);
      std::string_view line = text.substr(start, end == std::string_view::npos ? end : end - start);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      lines.append(line);
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
    return lines;
  }

  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    forEach([&](std::string_view line) { out.emplace_back(line); });
    return out;
  }

  // The heap the lines take.
  std::size_t bytes() const { return text_.capacity() + 1; }

  bool operator==(const KeptLines&) const = default;

 private:
  std::string text_;  // every line ends in '\n'
};

}  // namespace pyrovel
