// Reading DAS text levelsets: one token per line, keys followed by their
// value lines, levels separated by "level" and the next level's number.
#include "formats/das_reader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "formats/bdcff_das_text.h"
#include "formats/bdcff_random.h"
#include "formats/das_codes.h"
#include "formats/levelset_io.h"
#include "model/file_io.h"
#include "model/version.h"

namespace pyrovel {

namespace {

constexpr int kDasWidth = 40, kDasHeight = 22;
constexpr int kMaxLinesBeforeFirstLevel = 200;
// Slots from here on are never filled.
constexpr int kDasSlotLimit = 100;

// The text ran out before the command or level was complete.
struct EndOfText {};

// [first, last] of the steps i >= 0 for which c + step * i stays in 0..127.
struct StepRange {
  std::int64_t first, last;
};
StepRange stepsInside(std::int64_t c, int step) {
  const std::int64_t top = kMaxLevelSide - 1;
  if (step == 0) return (c >= 0 && c <= top) ? StepRange{0, INT64_MAX} : StepRange{1, 0};
  if (step > 0) return {std::max<std::int64_t>(0, -c), top - c};
  return {std::max<std::int64_t>(0, c - top), c};
}

class DasReader {
 public:
  DasReader(LevelsetRead& read, std::string_view text, std::string file)
      : read_(read), map_(read.map), lines_(splitLines(text)), file_(std::move(file)) {}

  void run() {
    for (int skipped = 0; skipped < kMaxLinesBeforeFirstLevel && !atEnd(); ++skipped) {
      if (lines_[next_++] == "level") break;
    }
    if (atEnd()) {
      read_.report.notes.push_back("No DAS level found in " + file_);
      return;
    }
    slot_ = read_.appending ? std::clamp(map_.currentLevel, kFirstSlot, kLastSlot) : kFirstSlot;
    for (;;) {
      read_.ui.progress(slot_, kLastSlot, "DAS import");
      setDefaults();
      try {
        readLevel();
      } catch (const EndOfText&) {
        read_.report.notes.push_back("Unexpected end of file in level " +
                                     std::to_string(Levelmap::levelNumber(slot_)) + " (" + file_ +
                                     ", line " + std::to_string(lines_.size()) + ")");
        return;
      }
      if (atEnd()) return;
      const int nextNumber = readLooseInt(lines_[next_++]).value;
      ++slot_;
      if (nextNumber == 1 || slot_ >= kDasSlotLimit) return;
    }
  }

 private:
  bool atEnd() const { return next_ >= lines_.size(); }
  std::string_view readLine() {
    if (atEnd()) throw EndOfText{};
    return lines_[next_++];
  }
  LevelHeader& header() { return map_.header(slot_); }

  void report(std::string_view what) {
    read_.report.notes.push_back("Unsupported at level " +
                                 std::to_string(Levelmap::levelNumber(slot_)) + " :" +
                                 std::string(what));
  }

  void setDefaults() {
    LevelHeader& h = header();
    h.setTitle("Cave" + std::to_string(slot_));
    h.setWidth(kDasWidth);
    h.setHeight(kDasHeight);
    h.setHatchTime(24);
    h.setAmoebaGrowth(24);
    for (int x = 0; x < kDasWidth; ++x) {
      for (int y = 0; y < kDasHeight; ++y) {
        const bool border = x == 0 || x == kDasWidth - 1 || y == 0 || y == kDasHeight - 1;
        map_.cell(map_.currentLayer, slot_, x, y) = border ? 6 : 1;
      }
    }
  }

  // Cells outside the level grid are skipped, and so are codes that are no
  // number at all (reported where the code is read).
  void put(std::int64_t x, std::int64_t y, int object) {
    if (object < 0 || x < 0 || y < 0 || x >= kMaxLevelSide || y >= kMaxLevelSide) return;
    map_.cell(map_.currentLayer, slot_, static_cast<int>(x), static_cast<int>(y)) = object;
  }
  void putPlayerAware(std::int64_t x, std::int64_t y, int object) {
    put(x, y, object);
    if (object == 2 && x >= 0 && y >= 0 && x < kMaxLevelSide && y < kMaxLevelSide) {
      header().setPlayerX(static_cast<int>(x));
      header().setPlayerY(static_cast<int>(y));
    }
  }
  int objectFor(std::string_view codeText) {
    const int object = dasCodeToObject(codeText);
    if (object < 0) report(codeText);
    return object;
  }

  // Cells of a horizontal run x0..x0+n-1 in row y (only the part inside the grid).
  void fillRun(std::int64_t x0, std::int64_t n, std::int64_t y, int object) {
    if (object < 0 || n <= 0 || y < 0 || y >= kMaxLevelSide) return;
    const std::int64_t from = std::max<std::int64_t>(x0, 0);
    const std::int64_t to = std::min<std::int64_t>(x0 + n - 1, kMaxLevelSide - 1);
    for (std::int64_t x = from; x <= to; ++x) put(x, y, object);
  }
  void fillColumn(std::int64_t x, std::int64_t y0, std::int64_t n, int object) {
    if (object < 0 || n <= 0 || x < 0 || x >= kMaxLevelSide) return;
    const std::int64_t from = std::max<std::int64_t>(y0, 0);
    const std::int64_t to = std::min<std::int64_t>(y0 + n - 1, kMaxLevelSide - 1);
    for (std::int64_t y = from; y <= to; ++y) put(x, y, object);
  }
  void outline(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, int object) {
    fillRun(x, w, y, object);
    fillRun(x, w, y + h - 1, object);
    fillColumn(x, y, h, object);
    fillColumn(x + w - 1, y, h, object);
  }

  void drawLine(int object, std::int64_t x, std::int64_t y, std::int64_t n, int direction) {
    static constexpr int kDx[8] = {0, 1, 1, 1, 0, -1, -1, -1};
    static constexpr int kDy[8] = {-1, -1, 0, 1, 1, 1, 0, -1};
    if (direction < 0 || direction > 7 || object < 0) return;
    const int dx = kDx[direction], dy = kDy[direction];
    const StepRange sx = stepsInside(x, dx), sy = stepsInside(y, dy);
    const std::int64_t first = std::max(sx.first, sy.first);
    const std::int64_t last = std::min({sx.last, sy.last, n - 1});
    for (std::int64_t i = first; i <= last; ++i) put(x + dx * i, y + dy * i, object);
  }

  // Reads the keys of one level up to its "level" line.
  void readLevel() {
    for (;;) {
      // Keys that read values leave their last value line here, and the
      // keys after them in the order below see that line.
      std::string_view line = readLine();
      bool known = false;
      auto is = [&](std::string_view key) {
        if (line != key) return false;
        known = true;
        return true;
      };
      auto value = [&] {
        line = readLine();
        return readLooseInt(line).value;
      };
      auto code = [&] {
        line = readLine();
        return objectFor(line);
      };
      LevelHeader& h = header();

      if (is("ammax")) {
        const int v = value();
        if (v != 0) h.setMaxAmoeba(880 / v);
      }
      if (is("amspeed")) h.setAmoebaGrowth(value());
      if (is("amtime")) h.setAmoebaBrake(value());
      if (is("bonus")) h.setDiamondScore(value());
      if (is("box")) {
        const int object = code();
        const int x = value(), y = value(), w = value(), hh = value();
        outline(x, y, w, hh, object);
      }
      if (is("boxb")) {
        const std::int64_t x1 = value(), y1 = value(), x2 = value(), y2 = value();
        for (std::int64_t y = y1; y < y2; ++y) {
          for (std::int64_t x = x1; x < x2; ++x) putPlayerAware(x, y, code());
        }
      }
      if (is("boxp")) {
        const int border = objectFor(readLine());
        const std::int64_t x = readLooseInt(readLine()).value, y = readLooseInt(readLine()).value;
        const std::int64_t w = readLooseInt(readLine()).value, hh = readLooseInt(readLine()).value;
        const int fill = objectFor(readLine());
        if (w > 0 && hh > 0) {
          const std::int64_t top = std::max<std::int64_t>(y, 0);
          const std::int64_t bottom = std::min<std::int64_t>(y + hh - 1, kMaxLevelSide - 1);
          for (std::int64_t row = top; row <= bottom; ++row) fillRun(x, w, row, fill);
        }
        outline(x, y, w, hh, border);
      }
      if (is("cavetype")) {
        if (value() == 1) {
          h.setIntermission(255);
          h.setWidth(20);
          h.setHeight(12);
        } else {
          h.setIntermission(0);
        }
      }
      if (is("delay")) line = readLine();
      if (is("filter")) h.setMagicTime(value());
      if (is("filtertype")) {
        if (readLooseInt(readLine()).value != 3) report("filtertype");
      }
      if (is("line")) {
        const int object = code();
        const int x = value(), y = value(), n = value(), d = value();
        drawLine(object, x, y, n, d);
      }
      if (is("name")) {
        line = readLine();
        h.setTitle(line);
      }
      if (is("need")) h.setDiamondsNeeded(value());
      is("Palette");
      if (is("set")) {
        const int object = code();
        const int x = value(), y = value();
        putPlayerAware(x, y, object);
      }
      if (is("size")) {
        const int w = value(), hh = value();
        if (w < 0 || hh < 0 || w > kMaxLevelSide || hh > kMaxLevelSide) {
          report("size " + std::to_string(w) + " " + std::to_string(hh));
        }
        h.setWidth(std::clamp(w, 0, kMaxLevelSide));
        h.setHeight(std::clamp(hh, 0, kMaxLevelSide));
      }
      if (is("slimed")) {
        // Widened so that the largest value cannot overflow.
        h.setSlimePermeability(static_cast<int>((static_cast<std::int64_t>(value()) + 1) & 0xFF));
      }
      if (is("time")) h.setLevelTime(value() / 4);
      if (is("vor")) h.setDiamondScore(value());
      if (is("wurf")) readRandomFill();
      if (is("level")) return;
      if (!known && !readLooseInt(line).whole) report(line);
    }
  }

  void readRandomFill() {
    const int seed = readLooseInt(readLine()).value;
    std::array<int, 4> codes{}, thresholds{};
    for (int& c : codes) c = readLooseInt(readLine()).value;
    for (int& t : thresholds) t = readLooseInt(readLine()).value;
    shuffel(map_, slot_, seed, codes, thresholds);
  }

  LevelsetRead& read_;
  Levelmap& map_;
  std::vector<std::string_view> lines_;
  std::string file_;
  std::size_t next_ = 0;
  int slot_ = kFirstSlot;
};

}  // namespace

void shuffel(Levelmap& map, int slot, int seed, const std::array<int, 4>& codes,
             const std::array<int, 4>& thresholds) {
  std::array<RandomFillEntry, 4> entries{};
  for (int i = 0; i < 4; ++i) {
    entries[i] = {dasCodeToObject(std::to_string(codes[i])), thresholds[i]};
  }
  // The generator runs over the border columns too, without writing them.
  c64RandomFill(kDasWidth, kDasHeight, seed, dasCodeToObject("1"), entries,
                [&](int x, int y, int object) {
                  if (x >= 1 && x <= kDasWidth - 2) map.cell(map.currentLayer, slot, x, y) = object;
                });
}

void readDasLevels(LevelsetRead& read, const Bytes& data, const std::string& path) {
  read.report.readerNote =
      std::string("Imported with Dash Dimensions importfilter V0.2 beta. Editor version:") +
      kEditorVersion;
  LevelsetReadEnd end(read);
  read.ui.progress(0, kLastSlot, "DAS import");
  DasReader(read, asText(data), path).run();
}

}  // namespace pyrovel
