#pragma once
// The editor's settings kept in Edit.ini: the players' folders, the test
// target, where the tool windows were, and the file history. Read once at
// start, written once at close.
#include <array>
#include <string>

#include "model/ini_file.h"
#include "model/undo_history.h"

namespace pyrovel {

inline constexpr const char* kConfigFileName = "Edit.ini";
inline constexpr const char* kVersionText = "V 0.26 alpha";
inline constexpr const char* kMainCaptionPrefix = "PRVL Level Editor ";

inline constexpr const char* kDefaultWindowsRunner = "wine";

// The four external players a level can be tested in.
enum class TestTarget { Pyrovel, BD4, Emerald, Boulderflash };

// Where a tool window is. Not every window can be in every state.
enum class DockState { Floating, Left, Right, Bottom, Invisible };

struct PanelPosition {
  int x = 100;
  int y = 100;
  bool kept = true;  // false: never placed (not in the settings yet)
};

struct Configuration {
  std::string gameDir, bd4Dir, emeraldDir, boulderflashDir;
  // The program that starts the players' Windows programs where the system
  // cannot ("wine"); empty: none.
  std::string windowsRunner = kDefaultWindowsRunner;
  TestTarget testTarget = TestTarget::Pyrovel;

  // The states as they are applied at start (see the read rules below).
  DockState propertiesState = DockState::Invisible;
  DockState toolsState = DockState::Left;
  DockState objectsState = DockState::Left;
  DockState levelListState = DockState::Right;
  bool statusBarVisible = true;
  int paletteIconSize = 16;  // 16, 24 or 32 pixels
  bool gridShown = false;
  PanelPosition propertiesPos{100, 100, false}, toolsPos{100, 100, false},
      objectsPos{100, 100, false};
  // The main window's own record of its docks (their order and sizes in
  // each area), as Qt keeps it, in base 64; empty before the first close.
  std::string dockLayout;

  std::array<std::string, 4> history{"---", "---", "---", "---"};

  // Undo steps kept per level (never fewer than the history's minimum), and
  // whether the area tools switch themselves off after one use.
  int undoSteps = UndoHistory::kDefaultSteps;
  bool oneShotTools = false;
  // The level checker's rules switched off, their ids with commas between.
  std::string levelChecksOff;

  // Reads every key; missing keys keep their defaults. The properties
  // window shows for any state but "Invisible"; the tools window floats for
  // any state but "Left"; the objects window floats only for "Floating" and
  // docks at the bottom for "Bottom", else at the left; the level list shows
  // for "Right". Of several test targets
  // reading "yes" the last one in BD4, Emerald, Pyrovel, Boulderflash order
  // wins.
  void read(const IniFile& ini);
  // Writes every key. The test targets not chosen are written "no", so an
  // earlier choice cannot come back at the next start.
  void write(IniFile& ini) const;

  // The game folder, or the program folder when none is set.
  void defaultGameDir(const std::string& programDir);
};

const char* dockStateText(DockState state);

}  // namespace pyrovel
