#pragma once
// The main window: it owns the editor session and wires together the
// pieces that frame it: menus, tool bar and status bar; its commands,
// registered in `ActionRegistry` (main_window_commands.cpp); the tool
// windows in `DockLayout`; the `EditingArea` with the level view and its
// `LevelViewController`; the `LevelPreviews`; the `EditorSettings`; the
// core's `WindowFrontend`; test runs in `ExternalPlayerRunner`.
#include <QHash>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/action_registry.h"
#include "app/dock_layout.h"
#include "app/editor_settings.h"
#include "app/lazy_window.h"
#include "app/single_level_commands.h"
#include "app/text_file_opener.h"
#include "app/window_frontend.h"
#include "editor/level_properties.h"
#include "editor/levelmap_files.h"
#include "editor/levelmap_search.h"
#include "editor/program_launcher.h"
#include "editor/random_source.h"
#include "editor/recovery_copy.h"
#include "editor/tool_controller.h"
#include "model/editor_session.h"
#include "model/palette_file.h"
#include "render/sprite_strip.h"

class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace pyrovel::app {

class ChaosOptionsBar;
class ConvertPanel;
class DevelopPanel;
class EditingArea;
class LevelPreviews;
class ExternalPlayerRunner;
class Dialogs;
class FindPanel;
class LevelList;
class LevelViewController;
class MoveLevelPanel;
class MessagePanel;
class AdfBrowserWindow;
class C64DumpWindow;
class ResourceExplorerWindow;
class D64BrowserWindow;
class ObjectsHelpWindow;
class ReplacePanel;
class SearchPanel;
class ObjectsPanel;
class OptionsWindow;
class PropertiesPage;
class ProblemsPanel;
class SplashWindow;
class SprayOptionsBar;
class ToolsCanvas;
class ViewPanel;

struct AppOptions {
  QString programDir;     // empty: the folder of the executable
  QString userConfigDir;  // empty: the per-user configuration folder
  QString userDataDir;    // empty: the per-user data folder (recovery copies)
  // False: no recovery copy is offered, kept or removed (a run that only checks).
  bool recovery = true;
  // Unset: tried. Tests set it to play an installed, read-only editor.
  std::optional<bool> programDirWritable;
  QStringList arguments;                // the command line after the program name
  Dialogs* dialogs = nullptr;           // null: message boxes and file dialogs
  SplashWindow* splash = nullptr;       // the start-up splash, reused as the about box
  ProgramLauncher* launcher = nullptr;  // null: players are really started
  // Opens a text file in the desktop's editor; null: the desktop's default.
  std::function<bool(const QString& path)> openDocument;
};

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(AppOptions options = {});
  ~MainWindow() override;

  // The image library was missing: the message was shown, the program ends.
  bool startupFailed() const { return state_.startupFailed; }

  EditorSession& session() { return session_; }
  ToolController& drawingTools() { return drawingTools_; }
  LevelProperties& levelProperties() { return levelProperties_; }
  const SpriteStrip& spriteStrip() const { return strip_; }
  const Palette& activePalette() const { return palette_; }
  EditMode editMode() const { return editMode_; }
  // The folders and Edit.ini.
  EditorSettings& settings() { return settings_; }

  // The central widget: the level caption and the level view.
  EditingArea& editingArea() const { return *editingArea_; }
  LevelPreviews& previews() const { return *previews_; }
  // The tool windows and what they hold.
  const DockLayout& docks() const { return *docks_; }
  const DockLayout::Contents& docked() const { return docked_; }
  // Status bar panels 0..4: "Co:", width, height, "Object:", free.
  QLabel* statusPanel(int index) const;
  QAction* action(const QString& objectName) const { return actions_.action(objectName); }
  // Test runs in the external players and their Options window.
  ExternalPlayerRunner& players() { return *players_; }
  // The level checker's dock (null while the window is being built).
  ProblemsPanel* problems() const { return problems_; }

  // The core's front end: the window's dialogs and refresh.
  WindowFrontend& frontend() { return frontend_; }

  // Runs an action; an error from the core is shown as a message box with
  // its text and the editor goes on. False when it failed.
  bool guarded(const std::function<void()>& action);
  void chooseDrawingObject(int object, int libraryImage = -1);
  // The undo steps per level and one-shot tools of the settings, in force.
  void applyEditingSettings();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  // Construction, in this order.
  void createActions();
  void createMenus();
  void createToolBar();
  void addOptionBar(QWidget* bar, int index);
  SprayOptionsBar* sprayBar();
  ChaosOptionsBar* chaosBar();
  void createStatusBar();
  void connectSignals();
  void connectDrawingTools();
  // The View menu's grid, layers, fit and preview, and the export of a
  // level picture (main_window_view.cpp).
  void createViewActions();
  void connectSearch(SearchPanel* panel);
  // Start-up.
  void setUpEditor();
  void openCommandLineFile();
  // The recovery copy (main_window_recovery.cpp): offered back at start,
  // then kept while there are unsaved changes.
  void startRecovery();
  void offerRecoveryCopy();
  void keepRecoveryCopy();
  void followRecovery();
  void dropDamagedRecoveryCopy(const std::exception& error);

  // Commands that are more than a call of the session.
  void openLevelmap(OpenSource source, const QString& path = {});
  void switchMode(EditMode mode);
  void loadImageLibrary();
  void toggleFullScreen();
  void toggleStatusBar();
  // The level size, score and yam buttons and the tools panel's properties button.
  void showProperty(LevelProperties::SizeButton button);
  // The Properties window's "Apply".
  void applyLevelSize();

  // Search results: every cell of the objects searched for, the one
  // stepped to framed apart.
  void runSearch();
  void stepSearch(int direction);
  // Ctrl+F: the Search window with its text ready to type over.
  void showSearch();
  // F3 and Shift+F3: the next or previous cell found; with nothing to
  // look for yet, the Search window.
  void findAgain(int direction);
  void showSearchHighlights();
  // A file dropped on the window: a levelset opens, a single level is
  // imported into the first empty level.
  void openDroppedFile(const QString& path);
  void exportLevelPicture();

  void refresh(unsigned what);
  // The caption: the levelmap's name, marked while it has unsaved changes.
  void showFileState();
  void showUndoState();
  void showDrawingObject();

  struct FrameState {
    bool uiReady = false;
    bool startupFailed = false;
    bool placedPanels = false;
    bool fullScreen = false;
    bool wasMaximized = false;
    bool statusBarWanted = true;
    int drawingImage = -1;  // the library image shown for the drawing object
  };
  struct Menus {
    QActionGroup* layers = nullptr;
    QActionGroup* modes = nullptr;
    QActionGroup* testTargets = nullptr;
    QMenu* levelView = nullptr;   // the right-click menu
    QMenu* testTarget = nullptr;  // under the tools panel's target button
  };
  struct ToolBars {
    QToolBar* main = nullptr;
    QToolBar* optionsRow = nullptr;    // the option bars of the tools, under the tool bar
    QWidget* optionBars = nullptr;     // the row's contents
    SprayOptionsBar* spray = nullptr;  // made when the spray is first chosen (sprayBar())
    ChaosOptionsBar* chaos = nullptr;  // made when the chaos fill is first chosen (chaosBar())
    QLabel* toolHint = nullptr;
  };
  // Built on first use, each with its wiring.
  struct ToolPanels {
    LazyWindow<MoveLevelPanel> move;
    LazyWindow<ViewPanel> view;
    LazyWindow<DevelopPanel> develop;
    LazyWindow<ConvertPanel> convert;
    LazyWindow<SearchPanel> search;
    LazyWindow<ReplacePanel> replace;
    LazyWindow<MessagePanel> message;
  };
  ToolPanels makeToolPanels();
  DevelopPanel* makeDevelopPanel();
  // Built on first use.
  struct SecondaryWindows {
    LazyWindow<AdfBrowserWindow> adf;
    LazyWindow<D64BrowserWindow> d64;
    LazyWindow<ObjectsHelpWindow> objectsHelp;
    LazyWindow<C64DumpWindow> c64Dump;
    LazyWindow<ResourceExplorerWindow> resources;
  };
  SecondaryWindows makeSecondaryWindows();
  struct SearchState {
    std::vector<FoundCell> found;
    std::optional<FoundCell> current;
  };
  struct Recovery {
    std::optional<RecoveryCopy> copy;  // none when switched off or no folder
    bool armed = false;                // the offer at start is over
    int shownLevel = 0;                // what was kept last
    bool shownModified = false;
  };

  AppOptions options_;
  EditorSettings settings_;
  WindowFrontend frontend_;
  EditorSession session_;
  ClockRandom clockRandom_;
  ToolController drawingTools_;
  LevelProperties levelProperties_;
  SpriteStrip strip_;
  Palette palette_;
  EditMode editMode_ = kGameMode;
  FrameState state_;
  Recovery recovery_;
  ActionRegistry actions_;
  Menus menus_;
  ToolBars toolBars_;
  EditingArea* editingArea_ = nullptr;
  LevelViewController* viewController_ = nullptr;
  std::vector<QLabel*> statusPanels_;
  DockLayout::Contents docked_{};
  DockLayout* docks_ = nullptr;
  ToolPanels panels_;
  SearchState search_;
  SecondaryWindows windows_;
  ExternalPlayerRunner* players_ = nullptr;
  LevelPreviews* previews_ = nullptr;
  ProblemsPanel* problems_ = nullptr;
  TextFileOpener textFiles_;
  SingleLevelCommands singleLevels_;
  std::unique_ptr<SplashWindow> ownSplash_;
};

}  // namespace pyrovel::app
