#include "model/configuration.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "model/text_case.h"

namespace pyrovel {

namespace {

constexpr const char* kLocations = "File Locations";
constexpr const char* kTestIn = "Test level in";
constexpr const char* kPanels = "PanelStates";
constexpr const char* kView = "View";
constexpr const char* kHistory = "History";
constexpr const char* kEditor = "Editor";

struct TargetKey {
  TestTarget target;
  const char* key;
};
// In the order in which they are applied when read.
constexpr TargetKey kTargetKeys[] = {
    {TestTarget::BD4, "BD4"},
    {TestTarget::Emerald, "Emerald"},
    {TestTarget::Pyrovel, "Pyrovel"},
    {TestTarget::Boulderflash, "Boulderflash"},
};

bool isYes(const std::string& v) {
  return sameTextIgnoringCase(v, "yes");
}

PanelPosition readPosition(const IniFile& ini, const char* xKey, const char* yKey) {
  constexpr int kMissing = std::numeric_limits<int>::min();
  const int x = ini.readInteger(kPanels, xKey, kMissing), y = ini.readInteger(kPanels, yKey, kMissing);
  if (x == kMissing || y == kMissing) return {100, 100, false};
  return {x, y, true};
}

void writePosition(IniFile& ini, const char* xKey, const char* yKey, PanelPosition p) {
  if (!p.kept) return;  // never placed: the window finds its place at the next start too
  ini.writeInteger(kPanels, xKey, p.x);
  ini.writeInteger(kPanels, yKey, p.y);
}

}  // namespace

const char* dockStateText(DockState state) {
  switch (state) {
    case DockState::Left:
      return "Left";
    case DockState::Right:
      return "Right";
    case DockState::Bottom:
      return "Bottom";
    case DockState::Invisible:
      return "Invisible";
    default:
      return "Floating";
  }
}

void Configuration::read(const IniFile& ini) {
  gameDir = ini.readString(kLocations, "Pyrovel", "");
  bd4Dir = ini.readString(kLocations, "BD4", "");
  emeraldDir = ini.readString(kLocations, "Emerald", "");
  boulderflashDir = ini.readString(kLocations, "Boulderflash", "");
  windowsRunner = ini.readString(kLocations, "Windows runner", kDefaultWindowsRunner);

  for (const TargetKey& t : kTargetKeys) {
    if (isYes(ini.readString(kTestIn, t.key, "no"))) testTarget = t.target;
  }

  const std::string properties = ini.readString(kPanels, "Property state", "Invisible");
  if (properties == "Invisible") {
    propertiesState = DockState::Invisible;
  } else if (properties == "Bottom") {
    propertiesState = DockState::Bottom;
  } else if (properties == "Right") {
    propertiesState = DockState::Right;
  } else {
    propertiesState = DockState::Floating;
  }
  propertiesPos = readPosition(ini, "PropertyX", "PropertyY");

  toolsState = ini.readString(kPanels, "Tools state", "Left") == "Left" ? DockState::Left
                                                                        : DockState::Floating;
  toolsPos = readPosition(ini, "ToolsX", "ToolsY");

  // A first start shows the palette docked at the left, beside the level.
  const std::string objects = ini.readString(kPanels, "Objects state", "Left");
  objectsState = objects == "Floating" ? DockState::Floating
                 : objects == "Bottom" ? DockState::Bottom
                                       : DockState::Left;
  objectsPos = readPosition(ini, "ObjectsX", "ObjectsY");

  // Shown at the first start: a new user sees the levels the file holds.
  dockLayout = ini.readString(kPanels, "Dock layout", "");
  levelListState = ini.readString(kPanels, "LevelList state", "Right") == "Invisible"
                       ? DockState::Invisible
                       : DockState::Right;

  statusBarVisible = ini.readString(kPanels, "StatusBar state", "Visible") != "Invisible";
  paletteIconSize = ini.readInteger(kView, "Palette icon size", 16);
  if (paletteIconSize != 24 && paletteIconSize != 32) paletteIconSize = 16;
  gridShown = ini.readString(kView, "Grid", "no") == "yes";

  for (std::size_t i = 0; i < history.size(); ++i) {
    history[i] = ini.readString(kHistory, std::to_string(i + 1), "---");
  }

  undoSteps = std::max(ini.readInteger(kEditor, "Undo steps", UndoHistory::kDefaultSteps),
                       UndoHistory::kMinSteps);
  oneShotTools = isYes(ini.readString(kEditor, "One-shot tools", "no"));
  levelChecksOff = ini.readString(kEditor, "Level checks off", "");
}

void Configuration::write(IniFile& ini) const {
  ini.writeString(kLocations, "Pyrovel", gameDir);
  ini.writeString(kLocations, "BD4", bd4Dir);
  ini.writeString(kLocations, "Emerald", emeraldDir);
  ini.writeString(kLocations, "Boulderflash", boulderflashDir);
  ini.writeString(kLocations, "Windows runner", windowsRunner);

  for (const TargetKey& t : kTargetKeys) {
    ini.writeString(kTestIn, t.key, t.target == testTarget ? "yes" : "no");
  }

  ini.writeString(kPanels, "Property state", dockStateText(propertiesState));
  writePosition(ini, "PropertyX", "PropertyY", propertiesPos);
  ini.writeString(kPanels, "Tools state", dockStateText(toolsState));
  writePosition(ini, "ToolsX", "ToolsY", toolsPos);
  ini.writeString(kPanels, "Objects state", dockStateText(objectsState));
  writePosition(ini, "ObjectsX", "ObjectsY", objectsPos);
  ini.writeString(kPanels, "Dock layout", dockLayout);
  ini.writeString(kPanels, "LevelList state",
                  levelListState == DockState::Invisible ? "Invisible" : "Right");
  ini.writeString(kPanels, "StatusBar state", statusBarVisible ? "Visible" : "Invisible");
  ini.writeInteger(kView, "Palette icon size", paletteIconSize);
  ini.writeString(kView, "Grid", gridShown ? "yes" : "no");

  for (std::size_t i = 0; i < history.size(); ++i) {
    ini.writeString(kHistory, std::to_string(i + 1), history[i]);
  }

  ini.writeInteger(kEditor, "Undo steps", undoSteps);
  ini.writeString(kEditor, "One-shot tools", oneShotTools ? "yes" : "no");
  ini.writeString(kEditor, "Level checks off", levelChecksOff);
}

void Configuration::defaultGameDir(const std::string& programDir) {
  if (gameDir.empty()) gameDir = programDir;
}

}  // namespace pyrovel
