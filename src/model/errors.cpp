#include "model/errors.h"

namespace pyrovel {

namespace {
std::string compose(const std::string& file, std::optional<int> level,
                    std::optional<std::uint64_t> offset, const std::string& what) {
  std::string text;
  if (!file.empty()) text += file + ": ";
  if (level) text += "level " + std::to_string(*level) + ": ";
  if (offset) text += "offset " + std::to_string(*offset) + ": ";
  return text + what;
}
}  // namespace

LevelError::LevelError(std::string file, std::optional<int> level,
                       std::optional<std::uint64_t> offset, std::string what)
    : std::runtime_error(compose(file, level, offset, what)),
      file_(std::move(file)),
      level_(level),
      offset_(offset),
      detail_(std::move(what)) {}

}  // namespace pyrovel
