#pragma once
// The tool bar and tool window glyphs, drawn in code so that they look the
// same everywhere and scale cleanly on high-density screens.
#include <QIcon>
#include <string_view>

namespace pyrovel::app {

enum class Glyph {
  NewMap,
  OpenMap,
  SaveMap,
  ImportLevel,
  ExportLevel,
  Undo,
  Redo,
  Cut,
  Copy,
  Paste,
  LevelSize,
  Scores,
  Yam,
  FullScreen,
  Help,
  Previous,
  Next,
  SetSize,
  ClearLevel,
  ZoomIn,
  ZoomOut,
  Selection,
  RectangleOff,
  RectangleFilled,
  RectangleOutline,
  Spray,
  Line,
  Chaos,
  Fill,
  Pick,
  TestLevel,
  TestTarget,
  ProgramIcon,
  // The resource explorer's tree.
  ResourceFolder,
  ResourceCave,
  ResourceLevelset,
  ResourceBitmap,
  ResourceIcon,
  ResourceCursor,
  ResourceStrings,
  ResourceMenu,
  ResourceData,
};

QIcon glyphIcon(Glyph glyph);
// The icon of a drawing tool's button, by the icon id the tool gives; a
// null icon for an id without a glyph.
QIcon toolIcon(std::string_view iconId);

}  // namespace pyrovel::app
