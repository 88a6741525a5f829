#include "model/object_catalogue.h"

#include <array>
#include <cstdint>
#include <fstream>
#include <string_view>

#include "model/errors.h"

namespace pyrovel {

namespace {

// Built-in names by object number; numbers without a name are absent.
struct Named {
  int number;
  const char* name;
};

constexpr Named kNames[] = {
    {0, "Empty Space"},
    {1, "Dirt"},
    {2, "LittleFellow"},
    {3, "Rock"},
    {4, "Diamond"},
    {5, "Bug Left"},
    {6, "Solid Wall"},
    {7, "Exit Closed"},
    {8, "Exit Open"},
    {9, "Bomb"},
    {10, "Explosion"},
    {11, "Amoeba"},
    {12, "Nut"},
    {13, "Emerald"},
    {14, "Yam Random"},
    {15, "Grover"},
    {16, "Magic Wall"},
    {17, "Crumble Wall 1"},
    {18, "Magic Wall With rock"},
    {19, "Terminal"},
    {20, "Pattern 1"},
    {21, "Pattern 2"},
    {22, "Pattern 3"},
    {23, "Pattern 4"},
    {24, "Pattern 5"},
    {25, "Pattern 6"},
    {26, "Pattern 7"},
    {27, "Pattern 8"},
    {28, "Pattern 9"},
    {29, "Pattern 10"},
    {30, "Hidden Exit"},
    {31, "Crumble Wall 2"},
    {32, "Crumble Wall 3"},
    {33, "Crumble Wall 4"},
    {34, "Crumble Wall 5"},
    {35, "Tube Left"},
    {36, "Tube Right"},
    {37, "Tube Up"},
    {38, "Tube Down"},
    {39, "Tube Vertical"},
    {40, "Tube Horizontal"},
    {41, "Tube Cross"},
    {42, "Slime"},
    {43, "Tube Left toggle Gravity"},
    {44, "Tube Right toggle Gravity"},
    {45, "Tube Up toggle Gravity"},
    {46, "Tube Down toggle Gravity"},
    {47, "Door Green Open"},
    {48, "Door Blue Open"},
    {49, "Door Yellow Open"},
    {50, "Door Red Open"},
    {51, "Door Gray Open"},
    {52, "Door Green Closed"},
    {53, "Door Blue Closed"},
    {54, "Door Yellow Closed"},
    {55, "Door Red Closed"},
    {56, "Door Gray (green) Closed"},
    {57, "Key Green"},
    {58, "Key Blue"},
    {59, "Key Yellow"},
    {60, "Key Red"},
    {61, "Robot"},
    {62, "Acid"},
    {63, "Acidbox Top Left"},
    {64, "Acidbox Top Right"},
    {65, "Acidbox Bottom Left"},
    {66, "Acidbox Bottom Right"},
    {67, "Acidbox Bottom"},
    {68, "Invisible Wall"},
    {69, "Quicksand with Stone"},
    {70, "Ship Left"},
    {71, "Dynamite"},
    {72, "Wheel"},
    {73, "Dynamite Active"},
    {74, "Amoeba Drop"},
    {75, "Amoeba Stationary"},
    {76, "Fixed Acid"},
    {77, "Quicksand Empty"},
    {78, "RockBirth"},
    {79, "Door Gray (Blue) Closed"},
    {80, "Door Gray (Yellow) Closed"},
    {81, "Door Gray (Red) Closed"},
    {82, "Bug Up"},
    {83, "Bug Right"},
    {84, "Bug Down"},
    {85, "Ship Up"},
    {86, "Ship Right"},
    {87, "Ship Down"},
    {88, "Yam Left"},
    {89, "Yam Up"},
    {90, "Yam Right"},
    {91, "Yam Down"},
    {92, "Utility Disk"},
    {93, "Electron Left"},
    {94, "Electron Up"},
    {95, "Electron Right"},
    {96, "Electron Down"},
    {97, "Trap Inactive"},
    {98, "Trap Active"},
    {99, "SupaBomb"},
    {136, "Point"},
    {137, "Interpunction"},
    {138, "Question mark"},
    {139, "Exclamation Point"},
    {140, "Slash"},
    {141, "Arrow left"},
    {142, "Arrow up"},
    {143, "Arrow right"},
    {144, "Arrow down"},
    {145, "Copyright"},
    {150, "Snik Snak Left"},
    {151, "Snik Snak Up"},
    {152, "Snik Snak Right"},
    {153, "Snik Snak Down"},
    {154, "Expanding Wall"},
    {155, "Expanding Wall Hor"},
    {156, "Expanding Wall Ver"},
    {157, "Glue"},
    {158, "Tube Cross"},
    {159, "Tube Vertical"},
    {160, "Tube Horizontal"},
    {161, "Tube T Left"},
    {162, "Tube T Up"},
    {163, "Tube T Right"},
    {164, "Tube T down"},
    {165, "Tube Turn TopLeft"},
    {166, "Tube Turn Topright"},
    {167, "Tube Turn BottomLeft"},
    {168, "Tube Turn Bottomright"},
    {169, "Glue Fellow"},
    {170, "Pearl"},
    {171, "Crystal"},
    {172, "Diamond Wall"},
    {173, "Emerald Wall"},
    {174, "Pearl Wall"},
    {175, "Crystal Wall"},
    {176, "Door white closed"},
    {177, "Door white open"},
    {178, "Door Gray White"},
    {179, "Key white"},
    {180, "Forcefield"},
    {181, "Extratime"},
    {182, "Switch gate open"},
    {183, "Switch gate closed"},
    {184, "Switch (switch gate)"},
    {185, "Time gate"},
    {186, "Wheel (time Gate)"},
    {187, "Conveyor Belt Green left"},
    {188, "Conveyor Belt Green middle"},
    {189, "Conveyor Belt Green right"},
    {190, "Switch Conveyor Belt Green"},
    {191, "Conveyor Belt Red left"},
    {192, "Conveyor Belt Red middle"},
    {193, "Conveyor Belt Red right"},
    {194, "Switch Conveyor Belt Red"},
    {195, "Conveyor Belt Blue left"},
    {196, "Conveyor Belt Blue middle"},
    {197, "Conveyor Belt Blue right"},
    {198, "Switch Conveyor Belt Blue"},
    {199, "Mine"},
    {200, "Note"},
    {201, "Lightswitch"},
    {215, "Sign"},
    {216, "Sign"},
    {217, "Candy-Trick"},
    {218, "Door Brown Open"},
    {219, "Door Brown Closed"},
    {220, "Stitch"},
    {221, "Mole Left"},
    {222, "Mole Up"},
    {223, "Mole right"},
    {224, "Mole Down"},
    {225, "Steel Slanted"},
    {226, "Dirt invisible"},
    {227, "Steel invisible"},
    {228, "Hatch"},
    {229, "Firefly Left"},
    {230, "Firefly Up"},
    {231, "Firefly Right"},
    {232, "Firefly Down"},
    {233, "Butterfly Left"},
    {234, "Butterfly Up"},
    {235, "Butterfly Right"},
    {236, "Butterfly Down"},
    {237, "Fellow2"},
    {238, "Pacman Left"},
    {239, "Pacman Up"},
    {240, "Pacman Right"},
    {241, "Pacman Down"},
    {242, "Biomaze"},
    {243, "Balloon"},
    {244, "Wind cross"},
    {245, "Wind Left"},
    {246, "Wind Up"},
    {247, "Wind Right"},
    {248, "Wind Down"},
    {249, "Wind Still"},
    {250, "Spring Horizontal"},
    {251, "Spring vertical"},
    {252, "Key Gray"},
    {253, "Key Brown"},
    {254, "Dirt 2"},
    {255, "Poison Dirt"},
};

std::array<std::string, 256> buildNames() {
  std::array<std::string, 256> names;
  for (const Named& n : kNames) names[static_cast<std::size_t>(n.number)] = n.name;
  for (int i = 0; i < 26; ++i) names[100 + i] = std::string("'") + char('A' + i) + "'";
  for (int i = 0; i < 10; ++i) {
    names[126 + i] = std::string("'") + char('0' + i) + "'";
    names[202 + i] = std::string(1, char('0' + i)) + " small";
  }
  return names;
}

const std::array<std::string, 256>& names() {
  static const std::array<std::string, 256> table = buildNames();
  return table;
}

// Families as inclusive ranges; every number 0..255 lies in exactly one.
struct FamilyRange {
  int from, to, family;
};
constexpr FamilyRange kFamilies[] = {
    {202, 211, 0}, {237, 237, 0}, {0, 4, 1},     {6, 8, 1},     {10, 11, 1},   {15, 17, 1},
    {30, 30, 1},   {42, 42, 1},   {68, 68, 1},   {154, 156, 1}, {195, 197, 1}, {228, 236, 1},
    {5, 5, 2},     {9, 9, 2},     {12, 14, 2},   {31, 31, 2},   {52, 67, 2},   {69, 91, 2},
    {100, 145, 2}, {19, 19, 3},   {92, 99, 3},   {150, 153, 3}, {238, 242, 4}, {157, 157, 5},
    {20, 29, 6},   {32, 34, 6},   {146, 149, 6}, {176, 179, 6}, {198, 199, 6}, {212, 219, 6},
    {221, 224, 6}, {243, 255, 6}, {18, 18, 7},   {35, 41, 7},   {43, 51, 7},   {158, 169, 7},
    {170, 175, 8}, {180, 194, 8}, {200, 201, 8}, {220, 220, 8}, {225, 227, 8},
};

}  // namespace

std::string formatObjectItem(int number, const std::string& name) {
  std::string num = std::to_string(number);
  if (number >= 0 && number < 10) num += ' ';
  return num + ":" + name;
}

ObjectCatalogue::ObjectCatalogue() {
  items_.reserve(kBuiltInItems);
  for (int i = 0; i < kBuiltInItems; ++i) items_.push_back(formatObjectItem(i, builtInName(i)));
}

void ObjectCatalogue::replaceLines(std::vector<std::string> lines) {
  items_ = std::move(lines);
}

void ObjectCatalogue::loadFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw LevelError(path, std::nullopt, std::nullopt, "cannot open for reading");
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  replaceLines(std::move(lines));
}

const std::string& ObjectCatalogue::item(int number) const {
  static const std::string none;
  if (number < 0 || number >= size()) return none;
  return items_[static_cast<std::size_t>(number)];
}

std::string ObjectCatalogue::label(int number) const {
  const std::string& text = item(number);
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos) return text;
  const auto trimmed = [](std::string_view part) {
    const std::size_t first = part.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::string();
    return std::string(part.substr(first, part.find_last_not_of(' ') - first + 1));
  };
  return trimmed(std::string_view(text).substr(0, colon)) + ": " +
         trimmed(std::string_view(text).substr(colon + 1));
}

std::string ObjectCatalogue::builtInName(int number) {
  if (number < 0 || number > 255) return {};
  return names()[static_cast<std::size_t>(number)];
}

int ObjectCatalogue::family(int number) {
  // Looked up once per cell on every save, so the ranges become a table.
  static const std::array<std::uint8_t, 256> table = [] {
    std::array<std::uint8_t, 256> t{};
    for (const FamilyRange& r : kFamilies)
      for (int n = r.from; n <= r.to; ++n)
        t[static_cast<std::size_t>(n)] = static_cast<std::uint8_t>(r.family);
    return t;
  }();
  if (number < 0 || number > 255) return 1;  // numbers beyond 255 behave like ordinary objects
  return table[static_cast<std::size_t>(number)];
}

}  // namespace pyrovel
