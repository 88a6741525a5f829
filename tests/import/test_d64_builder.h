#pragma once
// Builds C64 disk images sector by sector for the tests: the header at track
// 18 sector 0 with the title and the link to the directory, directory
// sectors of eight 32-byte entries, and files as chains of sectors whose
// first two bytes link to the next (track 0 and the last byte's position in
// the last sector).
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace pyrovel::testing {

class D64Builder {
 public:
  std::vector<std::uint8_t> image = std::vector<std::uint8_t>(174848, 0);

  // Byte offset of a track and sector: 21 sectors on tracks 1..17, 19 on
  // 18..24, 18 on 25..30, 17 on 31..35.
  static std::size_t offset(int track, int sector) {
    int before = 0;
    for (int t = 1; t < track; ++t) before += t <= 17 ? 21 : t <= 24 ? 19 : t <= 30 ? 18 : 17;
    return static_cast<std::size_t>(before + sector) * 256;
  }
  std::uint8_t* sector(int track, int sector) { return &image[offset(track, sector)]; }
  void link(int track, int sec, int nextTrack, int nextSector) {
    sector(track, sec)[0] = static_cast<std::uint8_t>(nextTrack);
    sector(track, sec)[1] = static_cast<std::uint8_t>(nextSector);
  }

  // The header (18/0): link to the first directory sector, title at 144
  // padded with shifted spaces to 16 characters.
  void header(const std::string& title, int dirTrack = 18, int dirSector = 1) {
    link(18, 0, dirTrack, dirSector);
    for (int i = 0; i < 16; ++i) {
      sector(18, 0)[144 + i] = i < static_cast<int>(title.size())
                                   ? static_cast<std::uint8_t>(title[static_cast<std::size_t>(i)])
                                   : 0xA0;
    }
    sector(18, 0)[160] = 0xA0;
  }

  // Entry j of a directory sector: type at 2, first track/sector at 3 and 4,
  // the name at 5 padded with shifted spaces, block count at 30 (low first).
  void entry(int track, int sec, int j, std::uint8_t type, int firstTrack, int firstSector,
             const std::string& name, int blocks) {
    std::uint8_t* e = sector(track, sec) + 32 * j;
    e[2] = type;
    e[3] = static_cast<std::uint8_t>(firstTrack);
    e[4] = static_cast<std::uint8_t>(firstSector);
    for (int i = 0; i < 16; ++i) {
      e[5 + i] = i < static_cast<int>(name.size())
                     ? static_cast<std::uint8_t>(name[static_cast<std::size_t>(i)])
                     : 0xA0;
    }
    e[30] = static_cast<std::uint8_t>(blocks);
    e[31] = static_cast<std::uint8_t>(blocks >> 8);
  }

  // Writes `content` along the given sectors, 254 bytes each.
  void file(const std::vector<std::pair<int, int>>& chain,
            const std::vector<std::uint8_t>& content) {
    for (std::size_t k = 0; k < chain.size(); ++k) {
      const auto [t, s] = chain[k];
      const std::size_t start = 254 * k;
      const std::size_t n = std::min<std::size_t>(254, content.size() - start);
      for (std::size_t i = 0; i < n; ++i) sector(t, s)[2 + i] = content[start + i];
      if (k + 1 < chain.size()) {
        link(t, s, chain[k + 1].first, chain[k + 1].second);
      } else {
        link(t, s, 0, static_cast<int>(n + 1));
      }
    }
  }
};

}  // namespace pyrovel::testing
