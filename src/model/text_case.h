#pragma once
// Names compared the way users expect of file names and keys: ASCII letters
// in any case.
#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

namespace pyrovel {

inline std::string asciiLower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

inline bool sameTextIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

// A file-name pattern with '*' for any run of characters ("levels*.d*",
// "*.map"), matched in any letter case.
inline bool matchesFilePattern(std::string_view name, std::string_view pattern) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (std::size_t skip = 0; skip <= name.size(); ++skip) {
      if (matchesFilePattern(name.substr(skip), pattern.substr(1))) return true;
    }
    return false;
  }
  return !name.empty() &&
         std::tolower(static_cast<unsigned char>(name.front())) ==
             std::tolower(static_cast<unsigned char>(pattern.front())) &&
         matchesFilePattern(name.substr(1), pattern.substr(1));
}

}  // namespace pyrovel
