// Mikeysoft Boulder levels: descrambled into a scratch file.
#include "import/mikeysoft_level.h"

#include <array>
#include <filesystem>

#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

// The editor's own key: a fixed byte sequence from a small linear
// congruential generator, so it needs no table in the source.
constexpr std::array<std::uint8_t, 256> makeKey() {
  std::array<std::uint8_t, 256> key{};
  std::uint32_t state = 0x2F6Bu;
  for (auto& k : key) {
    state = state * 1103515245u + 12345u;
    k = static_cast<std::uint8_t>(state >> 16);
  }
  return key;
}
constexpr auto kKey = makeKey();

}  // namespace

Bytes descrambleMikeysoft(const Bytes& scrambled) {
  Bytes out(scrambled.size());
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<std::uint8_t>(scrambled[i] - kKey[i % kKey.size()]);
  }
  return out;
}

Bytes scrambleMikeysoft(const Bytes& plain) {
  Bytes out(plain.size());
  for (std::size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<std::uint8_t>(plain[i] + kKey[i % kKey.size()]);
  }
  return out;
}

std::string mikeysoftScratchPath(const std::string& levelPath) {
  const std::filesystem::path folder = std::filesystem::path(levelPath).parent_path();
  return (folder / "temp.dec").string();
}

void decodeMikeysoftLevel(EditorSession& session, const std::string& path) {
  noteImportFilter(session, "Mikeysoft Boulder");
  writeFileAtomically(mikeysoftScratchPath(path), descrambleMikeysoft(readFileBytes(path)));
  session.nextLevel();
}

}  // namespace pyrovel
