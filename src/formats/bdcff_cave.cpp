#include "formats/bdcff_cave.h"

#include <algorithm>
#include <optional>

#include "formats/bdcff_cave_reader.h"
#include "formats/bdcff_das_text.h"

namespace pyrovel {

using namespace bdcff_read;

BdcffLevelsetRead readBdcffLevelset(std::string_view text, const std::string& file, Levelmap& map,
                                    int firstSlot, std::vector<std::string>& notes,
                                    const std::function<void(int slot)>& progress) {
  FileContext ctx;
  ctx.file = file;
  BdcffLevelsetRead read;
  read.nextSlot = firstSlot;
  int ordinal = 0, leftForRoom = 0;
  bool authorSeen = false;
  // The cave being read, its lines taken as they come; none when there is
  // no slot left for it.
  CaveLines caveLines;
  std::optional<CaveReader> current;
  const auto takeCave = [&](bool closed) {
    if (!current) {
      ++leftForRoom;
      return;
    }
    if (const std::optional<std::string> leftOut = current->begin(map, read.nextSlot, closed)) {
      notes.push_back(*leftOut);
    } else {
      const int slot = read.nextSlot++;
      current->finish(map, slot, notes);
      ++read.caves;
      if (progress) progress(slot);
    }
    current.reset();
  };

  enum class Section { Top, MapCodes, Cave };
  Section in = Section::Top;
  std::size_t number = 0;
  forEachLine(text, [&](std::string_view raw) {
    const Line line{raw, trimLine(raw), ++number};
    const std::string_view t = line.trimmed;
    if (in == Section::MapCodes) {
      if (t == "[/mapcodes]") {
        in = Section::Top;
      } else {
        ctx.codes.readLine(raw);
      }
      return;
    }
    if (in == Section::Cave) {
      if (t == "[/cave]") {
        takeCave(true);
        in = Section::Top;
      } else if (current) {
        current->take(line.text, line.trimmed, line.number);
      }
      return;
    }
    if (t == "[mapcodes]") {
      in = Section::MapCodes;
      return;
    }
    if (t == "[cave]") {
      in = Section::Cave;
      ++ordinal;
      if (read.nextSlot <= kLastSlot) current.emplace(ctx, caveLines, line.number, ordinal);
      return;
    }
    // The lines of the game (outside its caves) are kept as they are, but
    // for the frame every writer writes anew.
    if (!t.empty() && t != "[BDCFF]" && t != "[/BDCFF]" && t != "[/game]" &&
        t != kBdcffWriterComment) {
      read.gameLines.append(t);
    }
    const auto [key, value] = keyValue(t);
    if (key == "Author" && !authorSeen) {
      // The game's author is for the caves after the line.
      ctx.gameAuthor = std::string(trimLine(value));
      authorSeen = true;
    } else if (key == "CaveSize" || key == "IntermissionSize") {
      if (const auto wh = sizePair(value); wh && wh->first > 0 && wh->second > 0) {
        const int w = std::min(wh->first, kMaxLevelSide), h = std::min(wh->second, kMaxLevelSide);
        if (key == "CaveSize") {
          ctx.caveWidth = w;
          ctx.caveHeight = h;
        } else {
          ctx.intermissionWidth = w;
          ctx.intermissionHeight = h;
        }
      }
    }
  });
  if (in == Section::Cave) takeCave(false);
  if (leftForRoom > 0) {
    notes.push_back(file + ": " + std::to_string(ordinal) + " caves; the first " +
                    std::to_string(read.caves) + " were read into levels " +
                    std::to_string(Levelmap::levelNumber(firstSlot)) + " to " +
                    std::to_string(Levelmap::levelNumber(kLastSlot)) + ", " +
                    std::to_string(leftForRoom) + " more did not fit and are left out");
  }
  return read;
}

}  // namespace pyrovel
