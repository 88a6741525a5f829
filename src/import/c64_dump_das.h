#pragma once
// The DAS text the dump converter writes (one token per line).
#include <string>
#include <string_view>
#include <vector>

namespace pyrovel {

class DasTextWriter {
 public:
  // A line break inside a token (a cave name may hold any byte) would shift
  // every following line, so CR and LF are left out.
  void line(std::string_view text);
  void line(int value) { lines_.push_back(std::to_string(value)); }
  // A key followed by its value lines.
  void key(std::string_view name, std::initializer_list<int> values) {
    line(name);
    for (int v : values) line(v);
  }
  const std::vector<std::string>& lines() const { return lines_; }
  // The lines with CR LF ends, as DAS files are written.
  std::string text() const;

 private:
  std::vector<std::string> lines_;
};

}  // namespace pyrovel
