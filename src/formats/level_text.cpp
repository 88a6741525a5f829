#include "formats/level_text.h"

#include <array>
#include <charconv>
#include <functional>
#include <map>
#include <sstream>

#include "model/object_catalogue.h"

namespace pyrovel {

namespace {

// Map characters chosen to be guessable: walls are W/#, dirt '.', rocks 'o',
// diamonds '*', emeralds 'e' and so on.
constexpr std::pair<char, int> kDefaultLegend[] = {
    {' ', 0},   {'.', 1},   {'@', 2},   {'o', 3},   {'*', 4},   {'b', 5},   {'W', 6},   {'X', 7},
    {'x', 8},   {'B', 9},   {'a', 11},  {'n', 12},  {'e', 13},  {'y', 14},  {'M', 16},  {'c', 17},
    {'#', 20},  {'s', 70},  {'d', 71},  {'w', 72},  {'r', 61},  {'~', 62},  {'q', 77},  {'G', 52},
    {'U', 53},  {'Y', 54},  {'R', 55},  {'g', 57},  {'u', 58},  {'i', 59},  {'k', 60},  {'I', 68},
    {'p', 170}, {'C', 171}, {'f', 229}, {'F', 233}, {'h', 228}, {'2', 237}, {'E', 154}, {'=', 155},
    {'|', 156}, {'m', 199}, {'H', 30},  {'t', 181}, {'%', 42},  {'D', 254},
};

std::string trim(const std::string& s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

// Record fields the text may set, by the name a person would write.
using Setter = std::function<void(LevelHeader&, const std::string&)>;
const std::map<std::string, Setter>& fieldSetters() {
  static const std::map<std::string, Setter> setters = [] {
    std::map<std::string, Setter> m;
    auto num = [](void (LevelHeader::*set)(int)) {
      return [set](LevelHeader& h, const std::string& v) { (h.*set)(std::stoi(v)); };
    };
    m["title"] = [](LevelHeader& h, const std::string& v) { h.setTitle(v); };
    m["author"] = [](LevelHeader& h, const std::string& v) { h.setAuthor(v); };
    m["date"] = [](LevelHeader& h, const std::string& v) { h.setDate(v); };
    m["info"] = [](LevelHeader& h, const std::string& v) { h.setInfo(v); };
    m["diamonds"] = [](LevelHeader& h, const std::string& v) {
      h.setDiamondsToCollect(std::stoi(v));
    };
    m["time"] = num(&LevelHeader::setLevelTime);
    m["magic time"] = num(&LevelHeader::setMagicTime);
    m["wheel time"] = num(&LevelHeader::setWheelTime);
    m["amoeba growth"] = num(&LevelHeader::setAmoebaGrowth);
    m["emerald score"] = num(&LevelHeader::setEmeraldScore);
    m["diamond score"] = num(&LevelHeader::setDiamondScore);
    m["dynamite score"] = num(&LevelHeader::setDynamiteScore);
    m["nut score"] = num(&LevelHeader::setNutScore);
    m["robot score"] = num(&LevelHeader::setRobotScore);
    m["ship score"] = num(&LevelHeader::setShipScore);
    m["yam score"] = num(&LevelHeader::setYamScore);
    m["time score"] = num(&LevelHeader::setTimeScore);
    m["bug score"] = num(&LevelHeader::setBugScore);
    m["key score"] = num(&LevelHeader::setKeyScore);
    m["pearl score"] = num(&LevelHeader::setPearlScore);
    m["crystal score"] = num(&LevelHeader::setCrystalScore);
    m["max amoeba"] = num(&LevelHeader::setMaxAmoeba);
    m["intermission"] = num(&LevelHeader::setIntermission);
    m["extra time"] = num(&LevelHeader::setExtraTime);
    m["yam"] = [](LevelHeader& h, const std::string& v) {
      // "yam = k: nine object numbers", column by column
      std::istringstream in(v);
      int k = 0;
      char colon = 0;
      in >> k >> colon;
      if (k < 0 || k > 7 || colon != ':') throw std::invalid_argument("yam");
      for (int i = 0; i < 9; ++i) {
        int n = 0;
        if (!(in >> n)) throw std::invalid_argument("yam");
        h.setYam(k, i / 3, i % 3, n);
      }
    };
    return m;
  }();
  return setters;
}

}  // namespace

int levelTextObject(char c) {
  for (auto [ch, n] : kDefaultLegend)
    if (ch == c) return n;
  return -1;
}

void readLevelText(Levelmap& map, const Bytes& text, const std::string& file) {
  std::array<int, 256> legend;
  legend.fill(-1);
  for (auto [ch, n] : kDefaultLegend) legend[static_cast<unsigned char>(ch)] = n;

  std::istringstream in(std::string(text.begin(), text.end()));
  std::string raw;
  int lineNo = 0;
  enum class Section { None, Legend, Level, Map } section = Section::None;
  int slot = 0;
  int row = 0;
  auto fail = [&](const std::string& what) {
    throw LevelError(file, slot ? std::optional<int>(slot - 1) : std::nullopt, std::nullopt,
                     "line " + std::to_string(lineNo) + ": " + what);
  };

  while (std::getline(in, raw)) {
    ++lineNo;
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    const std::string line = trim(raw);
    if (section == Section::Map && !line.empty() && line[0] != '[') {
      if (row >= kMaxLevelSide) fail("map taller than 128 rows");
      if (raw.size() > kMaxLevelSide) fail("map row wider than 128 cells");
      LevelHeader& h = map.header(slot);
      for (std::size_t x = 0; x < raw.size(); ++x) {
        const int n = legend[static_cast<unsigned char>(raw[x])];
        if (n < 0) fail(std::string("unknown map character '") + raw[x] + "'");
        map.cell(kGameLayer, slot, static_cast<int>(x), row) = n;
        if (n == obj::LittleFellow) {
          h.setPlayerX(static_cast<int>(x));
          h.setPlayerY(row);
        } else if (n == obj::Fellow2) {
          h.setPlayer2X(static_cast<int>(x));
          h.setPlayer2Y(row);
        }
      }
      h.setWidth(std::max<int>(h.width(), static_cast<int>(raw.size())));
      h.setHeight(++row);
      continue;
    }
    if (line.empty()) {
      if (section == Section::Map) section = Section::Level;
      continue;
    }
    if (line[0] == '#') continue;
    if (line[0] == '[') {
      if (line == "[legend]") {
        section = Section::Legend;
        continue;
      }
      int number = -1;
      if (std::sscanf(line.c_str(), "[level %d]", &number) != 1 || number < 0 || number > 99) {
        fail("expected [legend] or [level N] with N from 0 to 99");
      }
      slot = number + 1;
      map.header(slot).clear();
      map.header(slot).setWidth(1);
      map.header(slot).setHeight(1);
      section = Section::Level;
      continue;
    }
    if (section == Section::Level && line == "map") {
      map.header(slot).setWidth(0);
      map.header(slot).setHeight(0);
      section = Section::Map;
      row = 0;
      continue;
    }
    const auto eq = line.find('=');
    if (eq == std::string::npos) fail("expected 'name = value'");
    const std::string key = trim(line.substr(0, eq));
    const std::string value = trim(line.substr(eq + 1));
    if (section == Section::Legend) {
      if (key.size() != 1) fail("a legend entry names one character");
      legend[static_cast<unsigned char>(key[0])] = std::stoi(value);
    } else if (section == Section::Level) {
      auto it = fieldSetters().find(key);
      if (it == fieldSetters().end()) fail("unknown field '" + key + "'");
      try {
        it->second(map.header(slot), value);
      } catch (const std::exception&) {
        fail("bad value for '" + key + "': " + value);
      }
    } else {
      fail("text before the first section");
    }
  }
}

}  // namespace pyrovel
