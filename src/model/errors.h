#pragma once
// Errors that end an operation. They carry where things went wrong so the
// front end can tell the user which file, level and byte offset was bad.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace pyrovel {

class LevelError : public std::runtime_error {
 public:
  explicit LevelError(std::string what) : std::runtime_error(what), detail_(std::move(what)) {}
  LevelError(std::string file, std::optional<int> level, std::optional<std::uint64_t> offset,
             std::string what);

  const std::string& file() const { return file_; }
  std::optional<int> level() const { return level_; }  // level number 0..99
  std::optional<std::uint64_t> offset() const { return offset_; }
  const std::string& detail() const { return detail_; }

 private:
  std::string file_;
  std::optional<int> level_;
  std::optional<std::uint64_t> offset_;
  std::string detail_;
};

}  // namespace pyrovel
