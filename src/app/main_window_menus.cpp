// The main window's frame: menus, tool bar and status bar,
// built from the registered actions.
#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/adf_browser_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_browser_window.h"
#include "app/develop_panel.h"
#include "app/event_watcher.h"
#include "app/external_player_runner.h"
#include "app/find_panel.h"
#include "app/icons.h"
#include "app/level_list.h"
#include "app/level_view.h"
#include "app/levelmap_panels.h"
#include "app/main_window.h"
#include "app/objects_help_window.h"
#include "app/objects_palette.h"
#include "app/options_window.h"
#include "app/resource_explorer_window.h"
#include "app/text_codec.h"
#include "app/tool_option_bars.h"
#include "app/tool_windows.h"
#include "app/tools_panel.h"
#include "editor/levelmap_search.h"

namespace pyrovel::app {

void MainWindow::createMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("mainMenu");
  actions_.addMenu(*bar, "fileMenu", "&File",
                   {"newLevelset",
                    "openLevelset",
                    "appendLevelset",
                    "saveLevelset",
                    "saveLevelsetAs",
                    "-",
                    "importLevel",
                    "exportLevel",
                    "exportLevelPicture",
                    "-",
                    "importFromExecutable",
                    "importFromAdf",
                    "importFromD64",
                    "importFromC64Dump",
                    "-",
                    "merge",
                    "printLevel",
                    "-",
                    "history1",
                    "history2",
                    "history3",
                    "history4",
                    "-",
                    "quit"});
  actions_.addMenu(*bar, "imagesMenu", "&Images", {"loadImageLibrary"});
  actions_.addMenu(*bar, "editMenu", "&Edit",
                   {"undo", "redo", "-", "clearLevel", "deleteLevel", "insertLevel", "moveLevel",
                    "-", "nextLevel", "previousLevel", "-", "cut", "copy", "paste", "selectAll",
                    "-", "search", "findNext", "findPrevious", "replace"});
  actions_.addMenu(
      *bar, "viewMenu", "&View",
      {"zoomIn", "zoomOut", "fitLevel", "-", "showGrid", "gameLayer", "backgroundLayer",
       "bothLayers", "-", "fullScreenEdit", "-", "objectsPanel", "propertiesPanel",
       "levelListPanel", "toolsPanel", "showStatusBar", "levelPreview", "-", "options"});
  actions_.addMenu(*bar, "modeMenu", "&Mode",
                   {"pyrovelMode", "emeraldMineV4Mode", "c64BoulderDashMode"});
  actions_.addMenu(
      *bar, "developmentMenu", "Development",
      {"editReadme", "editGameTech", "editIdeas", "editEditorToDo", "-", "showDevelopmentPanel"});
  actions_.addMenu(*bar, "helpMenu", "&Help", {"about", "objectsHelp", "help"});

  menus_.levelView = new QMenu(this);
  menus_.levelView->setObjectName("levelViewMenu");
  const struct {
    const char* name;
    const char* text;
    std::function<void()> handler;
  } popup[] = {
      {"popupUndo", "Undo", [this] { action("undo")->trigger(); }},
      {"popupClearLevel", "Clear Level", [this] { action("clearLevel")->trigger(); }},
      {"popupInsertLevel", "Insert Level", [this] { action("insertLevel")->trigger(); }},
      {"popupDeleteLevel", "Delete Level", [this] { action("deleteLevel")->trigger(); }},
      {"popupObjectsHelp", "Objects Help", [this] { action("objectsHelp")->trigger(); }},
      {"popupShowProperties", "Show Properties", [this] { action("propertiesPanel")->trigger(); }},
      {"popupShowTools", "Show Tools Menu", [this] { docks_->tools()->show(); }},
      {"popupShowLevelList", "Show Level List", [this] { action("levelListPanel")->trigger(); }},
  };
  for (const auto& p : popup) {
    auto* a = new QAction(p.text, menus_.levelView);
    a->setObjectName(p.name);
    if (p.handler) {
      connect(a, &QAction::triggered, this, p.handler);
    } else {
      a->setEnabled(false);
    }
    menus_.levelView->addAction(a);
  }

  menus_.testTarget = new QMenu(this);
  menus_.testTarget->setObjectName("testTargetMenu");
  menus_.testTarget->addActions(menus_.testTargets->actions());
}

void MainWindow::createToolBar() {
  toolBars_.main = addToolBar("Tool bar");
  toolBars_.main->setObjectName("toolBar");
  toolBars_.main->setMovable(false);
  toolBars_.main->setFloatable(false);
  toolBars_.main->setIconSize(QSize(22, 22));
  toolBars_.main->toggleViewAction()->setVisible(false);
  actions_.addToolButtons(*toolBars_.main,
                          {
                              {"newLevelset", "newLevelsetButton", Glyph::NewMap},
                              {"openLevelset", "openLevelsetButton", Glyph::OpenMap},
                              {"saveLevelset", "saveLevelsetButton", Glyph::SaveMap},
                              {"-", nullptr, Glyph::NewMap},
                              {"importLevel", "importLevelButton", Glyph::ImportLevel},
                              {"exportLevel", "exportLevelButton", Glyph::ExportLevel},
                              {"-", nullptr, Glyph::NewMap},
                              {"undo", "undoButton", Glyph::Undo},
                              {"redo", "redoButton", Glyph::Redo},
                              {"-", nullptr, Glyph::NewMap},
                              {"cut", "cutButton", Glyph::Cut},
                              {"copy", "copyButton", Glyph::Copy},
                              {"paste", "pasteButton", Glyph::Paste},
                              {"-", nullptr, Glyph::NewMap},
                              {"levelSizeProperty", "levelSizeButton", Glyph::LevelSize},
                              {"scoreProperty", "scoresButton", Glyph::Scores},
                              {"yamProperty", "yamButton", Glyph::Yam},
                              {"-", nullptr, Glyph::NewMap},
                              {"fullScreenEdit", "fullScreenButton", Glyph::FullScreen},
                              {"objectsHelp", "objectsHelpButton", Glyph::Help},
                          });
  // Menus show no icons: the tool bar is where they help.
  for (QAction* a : actions_.all()) a->setIconVisibleInMenu(false);

  toolBars_.main->addSeparator();
  const std::pair<const char*, const char*> layerButtons[] = {
      {"backgroundLayer", "backgroundButton"},
      {"gameLayer", "gameLayerButton"},
      {"bothLayers", "bothLayersButton"}};
  for (const auto& [name, buttonName] : layerButtons) {
    QAction* a = action(name);
    toolBars_.main->addAction(a);
    auto* button = qobject_cast<QToolButton*>(toolBars_.main->widgetForAction(a));
    button->setObjectName(buttonName);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }

  // Under the buttons, a row of its own for the option bars of the tools:
  // it keeps its height whatever is shown, so switching a tool never moves
  // or rescales the level view. Without options it names the tool's use.
  addToolBarBreak();
  toolBars_.optionsRow = addToolBar("Tool options");
  toolBars_.optionsRow->setObjectName("toolOptionsRow");
  toolBars_.optionsRow->setMovable(false);
  toolBars_.optionsRow->setFloatable(false);
  toolBars_.optionsRow->toggleViewAction()->setVisible(false);
  auto* row = new QWidget(toolBars_.optionsRow);
  toolBars_.optionBars = row;
  auto* rowLayout = new QHBoxLayout(row);
  rowLayout->setContentsMargins(2, 0, 2, 0);
  toolBars_.toolHint = new QLabel(row);
  toolBars_.toolHint->setObjectName("toolHint");
  toolBars_.toolHint->setTextFormat(Qt::PlainText);
  toolBars_.toolHint->setEnabled(false);  // greyed: a note, not a control
  rowLayout->addWidget(toolBars_.toolHint, 1);
  rowLayout->addStretch(0);
  // The bars of the spray and the chaos fill, made when their tool is first
  // chosen, go before the hint. The spray's is no taller than the chaos
  // fill's (the same number field, and check boxes without sprites).
  row->setFixedHeight(
      std::max(ChaosOptionsBar::heightHint(), toolBars_.toolHint->sizeHint().height()));
  toolBars_.optionsRow->addWidget(row);
  // Whatever the window's width, the row never spills into the tool bar's
  // overflow menu: it takes the width there is, and the chaos boxes drop
  // their sprites before a caption would be cut.
  row->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  row->setMinimumWidth(0);
  EventWatcher::watch(row, this, [this, row](QObject*, QEvent* event) {
    if (event->type() == QEvent::Resize && toolBars_.chaos) toolBars_.chaos->fitWidth(row->width());
    return false;
  });
}

// A tool's option bar joins the row at `index`, hidden until the view
// controller shows it.
void MainWindow::addOptionBar(QWidget* bar, int index) {
  bar->hide();
  static_cast<QHBoxLayout*>(toolBars_.optionBars->layout())->insertWidget(index, bar);
}

ChaosOptionsBar* MainWindow::chaosBar() {
  if (!toolBars_.chaos) {
    QWidget* row = toolBars_.optionBars;
    toolBars_.chaos = new ChaosOptionsBar(drawingTools_.tool<ChaosTool>().options, row);
    addOptionBar(toolBars_.chaos, row->layout()->indexOf(toolBars_.toolHint));
    toolBars_.chaos->showSprites(strip_);
    toolBars_.chaos->fitWidth(row->width());
  }
  return toolBars_.chaos;
}

SprayOptionsBar* MainWindow::sprayBar() {
  if (!toolBars_.spray) {
    toolBars_.spray =
        new SprayOptionsBar(drawingTools_.tool<SprayTool>().options, toolBars_.optionBars);
    addOptionBar(toolBars_.spray, 0);
  }
  return toolBars_.spray;
}

void MainWindow::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("statusBar");
  const struct {
    const char* text;
    int width;
  } panels[] = {
      {"Co:", 60}, {"Level Width", 100}, {"Level Height", 100}, {"Object:", 250}, {"", 50}};
  int index = 0;
  for (const auto& p : panels) {
    auto* label = new QLabel(p.text, bar);
    label->setObjectName(QString("statusPanel%1").arg(index++));
    label->setMinimumWidth(p.width);
    label->setFrameShape(QFrame::StyledPanel);
    label->setFrameShadow(QFrame::Sunken);
    label->setTextFormat(Qt::PlainText);
    bar->addWidget(label, p.width >= 250 ? 1 : 0);
    statusPanels_.push_back(label);
  }
}

}  // namespace pyrovel::app
