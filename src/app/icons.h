#pragma once
// The tool bar and tool window glyphs, drawn in code so that they look the
// same everywhere and scale cleanly on high-density screens.
#include <QIcon>

namespace pyrovel::app {

enum class Glyph {
  NewMap, OpenMap, SaveMap, ImportLevel, ExportLevel, Undo, Redo, Cut, Copy, Paste,
  LevelSize, Scores, Yam, FullScreen, Help, Previous, Next, SetSize, ClearLevel, ZoomIn,
  ZoomOut, Selection, RectangleOff, RectangleFilled, RectangleOutline, Spray, Line, Chaos,
  TestLevel, TestTarget, ProgramIcon,
};

QIcon glyphIcon(Glyph glyph);

}  // namespace pyrovel::app
