// The main window's commands: every action with its text, shortcuts and
// hint, bound to what it does. Commands of the session go to the session
// directly, through the window's error report.
#include <QAction>
#include <QActionGroup>
#include <QDockWidget>
#include <QFileInfo>
#include <functional>

#include "app/adf_browser_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_browser_window.h"
#include "app/develop_panel.h"
#include "app/dock_layout.h"
#include "app/editing_area.h"
#include "app/external_player_runner.h"
#include "app/level_view.h"
#include "app/level_view_controller.h"
#include "app/levelmap_panels.h"
#include "app/main_window.h"
#include "app/objects_help_window.h"
#include "app/resource_explorer_window.h"
#include "app/splash_window.h"
#include "app/tool_windows.h"
#include "model/startup.h"

namespace pyrovel::app {

namespace {
using SizeButton = LevelProperties::SizeButton;
QKeySequence key(const char* text) {
  return QKeySequence(text);
}
}  // namespace

void MainWindow::createActions() {
  // A command of the session, or any call on it, behind the error report.
  const auto onSession = [this](auto command) {
    return [this, command] { guarded([&] { std::invoke(command, session_); }); };
  };
  const auto open = [this](OpenSource source, const QString& path = {}) {
    openLevelmap(source, path);
  };
  const auto add = [this](const ActionSpec& spec, std::function<void()> handler) {
    return actions_.add(spec, std::move(handler));
  };

  // File
  add({"newLevelset", "&New Levelset", {key("Ctrl+N")}, "New Levelmap"},
      onSession(&pyrovel::newLevelmap));
  add({"openLevelset", "&Open Levelset", {key("Ctrl+O")}, "Open LevelMap"},
      [open] { open(OpenSource::Dialog); });
  add({"appendLevelset", "A&ppend Levelset"}, [open] { open(OpenSource::AppendDialog); });
  add({"saveLevelset", "&Save Levelset", {key("Ctrl+S")}, "Save Levelmap"},
      onSession(&saveLevelmap));
  add({"saveLevelsetAs", "Save Levelset &As", {key("F12")}},
      [this] { guarded([this] { saveLevelmapAs(session_); }); });
  add({"importLevel", "&Import Level", {key("Ctrl+I")}, "Import Level"},
      [this] { singleLevels_.importLevels(); });
  add({"exportLevel", "&Export Level", {key("Ctrl+E")}, "Export Level"},
      [this] { singleLevels_.exportLevel(); });
  add({"importFromExecutable", "Import from Game &Executable"}, [this] { windows_.resources.show(); });
  add({"importFromAdf", "Import from ADF Image"}, [this] { windows_.adf.show(); });
  add({"importFromD64", "Import from D64 Image"}, [this] { windows_.d64.show(); });
  add({"importFromC64Dump", "Import from C64 Memory Dump"}, [this] { windows_.c64Dump.show(); });
  add({"merge", "Merge"}, nullptr);
  add({"printLevel", "Print Level", {key("Ctrl+P")}}, nullptr);
  add({"quit", "&Quit", {key("Ctrl+Q")}}, [this] { close(); });
  for (int i = 1; i <= 4; ++i) {
    const QByteArray name = QString("history%1").arg(i).toLatin1();
    add({name.constData(), "---"}, [this, open, i] {
      open(OpenSource::History,
           QString::fromStdString(session_.history[static_cast<std::size_t>(i - 1)]));
    })->setVisible(false);
  }
  // Images
  add({"loadImageLibrary", "&Load Image Library"}, [this] { loadImageLibrary(); });
  // Edit
  add({"undo", "&Undo", {key("Ctrl+Z")}, "Undo"}, onSession(&EditorSession::undo));
  add({"redo", "&Redo", {key("Ctrl+Y"), key("Ctrl+Shift+Z")}, "Redo"},
      onSession(&EditorSession::redo));
  add({"clearLevel", "&Clear Level", {key("Shift+Del")}}, onSession(&EditorSession::clearLevel));
  add({"deleteLevel", "&Delete Level", {key("Ctrl+Del")}}, onSession(&EditorSession::deleteLevel));
  add({"insertLevel", "&Insert Level", {key("Ctrl+Shift+I")}},
      onSession(&EditorSession::insertLevel));
  add({"nextLevel", "&Next Level", {key("PgDown")}, "Next Level"},
      [this] { guarded([this] { session_.nextLevel(); }); });
  add({"previousLevel", "&Previous Level", {key("PgUp")}, "Previous Level"},
      [this] { guarded([this] { session_.previousLevel(); }); });
  add({"moveLevel", "&Move Level", {key("Ctrl+M")}}, [this] {
    panels_.move->open(Levelmap::levelNumber(session_.map.currentLevel));
    guarded([this] { session_.updateLevelList(); });
  });
  add({"cut", "Cu&t", {key("Ctrl+X")}, "Cut"},
      [this] { viewController_->applyUpdate(drawingTools_.cutSelection()); });
  add({"copy", "&Copy", {key("Ctrl+C")}, "Copy"},
      [this] { viewController_->applyUpdate(drawingTools_.copySelection()); });
  add({"paste", "&Paste", {key("Ctrl+V")}, "Paste"},
      [this] { viewController_->applyUpdate(drawingTools_.pasteAtPointer()); });
  add({"selectAll", "Select &All", {key("Ctrl+A")}},
      [this] { viewController_->applyUpdate(drawingTools_.selectAll()); });
  add({"search", "Search", {key("Ctrl+F")}}, [this] { showSearch(); });
  add({"findNext", "Find Next", {key("F3")}}, [this] { findAgain(+1); });
  add({"findPrevious", "Find Previous", {key("Shift+F3")}}, [this] { findAgain(-1); });
  add({"replace", "Replace"}, [this] { editingArea_->showPanel(panels_.replace.get()); });
  // View
  add({"zoomIn", "Zoom &In", {key("Ctrl+D"), key("Ctrl++"), key("Ctrl+=")}},
      [this] { editingArea_->scrollBox()->zoomIn(); });
  add({"zoomOut", "Zoom &Out", {key("Ctrl+-")}}, [this] { editingArea_->scrollBox()->zoomOut(); });
  add({"fullScreenEdit", "&Full Screen Edit", {key("F11")}, "Full Screen Edit", true},
      [this] { toggleFullScreen(); });
  add({"objectsPanel", "&Objects", {key("Ctrl+1")}, nullptr, true},
      [this] { DockLayout::toggle(docks_->objects()); });
  add({"propertiesPanel", "&Properties", {key("Ctrl+2")}, nullptr, true},
      [this] { DockLayout::toggle(docks_->properties()); });
  add({"levelListPanel", "&Level List", {key("Ctrl+3")}, nullptr, true},
      [this] { DockLayout::toggle(docks_->levelList()); });
  add({"toolsPanel", "&Tools", {key("Ctrl+4")}, nullptr, true},
      [this] { DockLayout::toggle(docks_->tools()); });
  add({"showStatusBar", "Status &Bar", {key("Ctrl+5")}, nullptr, true}, [this] {
    toggleStatusBar();
  })->setChecked(true);
  add({"options", "&Options"}, [this] { players_->showOptions(); });
  // Mode
  menus_.modes = new QActionGroup(this);
  const struct {
    const char* name;
    const char* text;
    EditMode mode;
  } modes[] = {
      {"pyrovelMode", "Switch to Pyrovel Mode", kGameMode},
      {"emeraldMineV4Mode", "Switch to Emerald Mine V4 Mode", kEmeraldMode},
      {"c64BoulderDashMode", "Switch to C64 Boulder Dash Mode", kC64Mode},
  };
  for (const auto& m : modes) {
    menus_.modes->addAction(
        add({m.name, m.text, {}, nullptr, true}, [this, mode = m.mode] { switchMode(mode); }));
  }
  // Development
  const auto gameDir = [this] { return QString::fromStdString(settings_.config().gameDir); };
  add({"editReadme", "Edit Readme"}, [this, gameDir] { textFiles_.open(gameDir(), "readme.txt"); });
  add({"editGameTech", "Edit Game Tech"},
      [this, gameDir] { textFiles_.open(gameDir(), "Gametech.txt"); });
  add({"editIdeas", "Edit Ideas"}, [this, gameDir] { textFiles_.open(gameDir(), "Ideas.txt"); });
  add({"editEditorToDo", "Edit Editor To-Do"},
      [this] { textFiles_.open(settings_.programDir(), "ToDo.txt"); });
  add({"showDevelopmentPanel", "Show Development Panel"}, [this] {
    panels_.develop->show();
    panels_.develop->raise();
    if (ObjectsHelpWindow* help = windows_.objectsHelp.ifBuilt()) help->setDevelopmentMode(true);
  });
  // Help
  add({"about", "&About"}, [this] {
    SplashWindow* splash = options_.splash;
    if (!splash) {
      if (!ownSplash_) ownSplash_ = std::make_unique<SplashWindow>(this);
      splash = ownSplash_.get();
    }
    splash->showAbout();
  });
  add({"objectsHelp", "&Objects Help", {key("F1")}, "Help"},
      [this] { windows_.objectsHelp.show(); });
  add({"help", "&Help"}, [this] { textFiles_.openHelp(settings_.dataDir()); });

  // The layer switch of the tool bar.
  menus_.layers = new QActionGroup(this);
  menus_.layers->addAction(
      add({"backgroundLayer", "Background", {}, "Show and edit the background layer", true},
          onSession(&showBackgroundLayer)));
  menus_.layers
      ->addAction(add({"gameLayer", "Gamegrid", {}, "Show and edit the game layer", true},
                      onSession(&showGameLayer)))
      ->setChecked(true);

  // The property buttons of the tool bar.
  add({"levelSizeProperty", "Level Size"}, [this] { showProperty(SizeButton::LevelSize); });
  add({"scoreProperty", "Scores"}, [this] { showProperty(SizeButton::Scores); });
  add({"yamProperty", "Yam Content"}, [this] { showProperty(SizeButton::Yam); });

  // The test target menu.
  menus_.testTargets = new QActionGroup(this);
  const struct {
    const char* name;
    const char* text;
    TestTarget target;
  } targets[] = {
      {"testInPyrovel", "Test Level in Pyrovel", TestTarget::Pyrovel},
      {"testInBd4", "Test Level in BD4", TestTarget::BD4},
      {"testInEmcPlayer", "Test Level in EMC Player", TestTarget::Emerald},
      {"testInBoulderflash", "Test Level in Boulderflash", TestTarget::Boulderflash},
  };
  for (const auto& t : targets) {
    QAction* a = add({t.name, t.text, {}, nullptr, true},
                     [this, target = t.target] { players_->setTestTarget(target); });
    a->setData(static_cast<int>(t.target));
    menus_.testTargets->addAction(a);
  }
  action("testInPyrovel")->setChecked(true);
}

}  // namespace pyrovel::app
