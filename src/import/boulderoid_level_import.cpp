// Boulderoid text maps. Each value stands on its own line after a key word
// of fixed length; the key words themselves are not checked.
#include "import/boulderoid_level_import.h"

#include <optional>
#include <vector>

#include "formats/bdcff_das_text.h"
#include "formats/boulderoid_codes.h"
#include "import/import_steps.h"
#include "model/file_io.h"

namespace pyrovel {

namespace {

// The lines of the file in order, each with its byte offset for errors.
class LineCursor {
 public:
  LineCursor(const Bytes& data, std::string file, int level)
      : text_(asText(data)), lines_(splitLines(text_)), file_(std::move(file)), level_(level) {}

  std::optional<std::string_view> next() {
    if (next_ >= lines_.size()) return std::nullopt;
    last_ = lines_[next_++];
    return last_;
  }
  // A line the layout needs: the end of the file here means it was cut short.
  std::string_view need(const std::string& what) {
    if (auto line = next()) return *line;
    throw LevelError(file_, level_, text_.size(), "file ends before " + what);
  }
  // The text after the first `keyLength` characters of a line.
  static std::string_view value(std::string_view line, std::size_t keyLength) {
    return line.size() > keyLength ? line.substr(keyLength) : std::string_view{};
  }
  // A size: a whole number 0..128, or the import ends.
  int size(std::string_view line, std::size_t keyLength, const char* what) const {
    const std::string_view text = value(line, keyLength);
    const LooseInt v = readLooseInt(text);
    if (!v.whole)
      fail("the " + std::string(what) + " '" + std::string(text) + "' is not a whole number");
    if (v.value < 0 || v.value > kMaxLevelSide) {
      fail("the " + std::string(what) + " " + std::to_string(v.value) + " is outside 0.." +
           std::to_string(kMaxLevelSide));
    }
    return v.value;
  }
  // A value read as far as it is a number; no digits give 0.
  int loose(const std::string& what, std::size_t keyLength) {
    return readLooseInt(value(need(what), keyLength)).value;
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw LevelError(file_, level_, static_cast<std::size_t>(last_.data() - text_.data()), what);
  }

  std::string_view text_;
  std::vector<std::string_view> lines_;
  std::string file_;
  int level_;
  std::size_t next_ = 0;
  std::string_view last_;
};

}  // namespace

void importBoulderoidLevel(EditorSession& session, const std::string& path) {
  importBoulderoidLevelBytes(session, readFileBytes(path), path);
}

void importBoulderoidLevelBytes(EditorSession& session, const Bytes& data,
                                const std::string& name) {
  noteImportFilter(session, "Boulderoid");
  Levelmap& map = session.map;
  const int slot = map.currentLevel;
  LineCursor lines(data, name, Levelmap::levelNumber(slot));
  if (auto first = lines.next(); first && first->substr(0, 12) == "# Boulderoid") lines.next();
  std::optional<std::string_view> widthLine;
  while ((widthLine = lines.next()) && widthLine->substr(0, 5) != "width") {
  }
  // Without the size there is no map to read: nothing of the file comes in,
  // and the level is left as it was.
  if (!widthLine) {
    throw LevelError(name, Levelmap::levelNumber(slot), data.size(),
                     "no \"width\" line: the file holds no Boulderoid level");
  }
  LevelHeader& h = beginFillingLevel(map, slot);
  h.setTitle(fileNamePart(name));
  const int width = lines.size(*widthLine, 6, "width");
  const int height = lines.size(lines.need("the height line"), 7, "height");
  h.setWidth(width);
  h.setHeight(height);
  lines.need("the map");
  for (int y = 0; y < height; ++y) {
    const std::string_view row = lines.need("row " + std::to_string(y) + " of the map");
    // Characters beyond the grid have no cell to go to.
    for (std::size_t x = 0; x < row.size() && x < static_cast<std::size_t>(kGridSide); ++x) {
      putImportedCell(map, slot, static_cast<int>(x), y, boulderoidCharToObject(row[x]));
    }
  }
  lines.need("the values after the map");
  if (lines.need("the values after the map") == "noscroll") lines.need("the level time");
  const int time = lines.loose("the level time", 5);
  h.setLevelTime((time % 256) / 8 + 1);
  setImportedDiamonds(h, lines.loose("the diamonds needed", 8));
  h.setDiamondScore(lines.loose("the diamond value", 8));
  h.setTimeScore(lines.loose("the time score", 7));
  lines.need("the amoeba growth");
  h.setAmoebaGrowth(lines.loose("the amoeba growth", 8) / 8);
  finishLevelImport(session);
}

}  // namespace pyrovel
