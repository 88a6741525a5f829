#pragma once
// The main window (`MainWindow`): it owns the editor session and the settings,
// shows the level view with its menus, tool bar, tool windows and status
// bar, and forwards every action to the core. It is the core's front end:
// questions, messages and "something changed" come back through it.
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QRegion>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "editor/program_launcher.h"
#include "editor/level_properties.h"
#include "editor/levelmap_files.h"
#include "editor/random_source.h"
#include "editor/tool_controller.h"
#include "model/configuration.h"
#include "model/editor_session.h"
#include "model/palette_file.h"
#include "render/sprite_strip.h"

class QActionGroup;
class QDockWidget;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class QToolButton;

namespace pyrovel::app {

class ChaosOptionsBar;
class ConvertPanel;
class DevelopPanel;
class Dialogs;
class FindPanel;
class LevelList;
class LevelScrollBox;
class LevelView;
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
class SplashWindow;
class SprayOptionsBar;
class LevelPreviewWindow;
class ToolsCanvas;
class ViewPanel;

struct AppOptions {
  QString programDir;     // empty: the folder of the executable
  QString userConfigDir;  // empty: the per-user configuration folder
  // Unset: tried. Tests set it to play an installed, read-only editor.
  std::optional<bool> programDirWritable;
  QStringList arguments;       // the command line after the program name
  Dialogs* dialogs = nullptr;  // null: message boxes and file dialogs
  SplashWindow* splash = nullptr;  // the start-up splash, reused as the about box
  ProgramLauncher* launcher = nullptr;    // null: players are really started
  // Opens a text file in the desktop's editor; null: the desktop's default.
  std::function<bool(const QString& path)> openDocument;
};

class MainWindow : public QMainWindow, public Frontend {
  Q_OBJECT
 public:
  explicit MainWindow(AppOptions options = {});
  ~MainWindow() override;

  // The image library was missing: the message was shown, the program ends.
  bool startupFailed() const { return startupFailed_; }

  EditorSession& session() { return session_; }
  ToolController& drawingTools() { return drawingTools_; }
  LevelProperties& levelProperties() { return levelProperties_; }
  const Configuration& configuration() const { return config_; }
  const SpriteStrip& spriteStrip() const { return strip_; }
  const Palette& activePalette() const { return palette_; }
  EditMode editMode() const { return editMode_; }
  QString programDir() const { return programDir_; }
  // Where Edit.ini and the temporary files go.
  QString settingsDir() const { return settingsDir_; }
  QString configFilePath() const;
  // The sprite sets (*.iml) of the game folder, sorted, for the options.
  const std::vector<std::string>& spriteSets() const { return spriteSets_; }
  QString computerName() const { return computerName_; }

  LevelView* levelView() const { return view_; }
  LevelScrollBox* scrollBox() const { return scroll_; }
  ToolsCanvas* toolsCanvas() const { return tools_; }
  ObjectsPanel* objectsPanel() const { return objects_; }
  PropertiesPage* propertiesPage() const { return properties_; }
  QDockWidget* toolsDock() const { return toolsDock_; }
  QDockWidget* objectsDock() const { return objectsDock_; }
  QDockWidget* propertiesDock() const { return propertiesDock_; }
  QDockWidget* levelListDock() const { return levelListDock_; }
  // Status bar panels 0..4: "Co:", width, height, "Object:", free.
  QLabel* statusPanel(int index) const;
  QAction* action(const QString& objectName) const;
  OptionsWindow* optionsWindow() const { return optionsPanel_; }
  FindPanel* findPanel() const { return findPanel_; }

  // --- the core's front end ---------------------------------------------------
  Answer ask(std::string_view question, bool withCancel) override;
  void inform(std::string_view text) override;
  void progress(int value, int max, std::string_view label) override;
  void changed(unsigned what) override;
  std::optional<std::string> chooseOpenFile(bool append) override;
  std::optional<SaveAsChoice> chooseSaveAs(const std::string& proposed) override;

  // Runs an action; an error from the core is shown as a message box with
  // its text and the editor goes on. False when it failed.
  bool guarded(const std::function<void()>& action);

  // --- actions ----------------------------------------------------------------
  void openLevelmap(OpenSource source, const QString& path = {});
  void newLevelmap();
  void save();
  void saveAs();
  // "Import level" and "Export Level": single levels in other files.
  void importLevel();
  void exportLevel();
  void selectLevel(int slot);
  void nextLevel();
  void previousLevel();
  void goToLevel();
  void deleteLevel();
  void insertLevel();
  void showMoveLevelPanel();
  void clearLevel();
  void undo();
  void redo();
  void zoomIn();
  void zoomOut();
  void showBackgroundLayer();
  void showGameLayer();
  void switchMode(EditMode mode);
  void loadImageLibrary();
  void toggleFullScreen();
  void toggleStatusBar();
  void togglePropertiesPanel();
  void toggleLevelList();
  void showDevelopmentPanel();
  // Shows a small tool window near the top right of the level view.
  void showPanel(QWidget* panel);
  // Shows a secondary window (disk images, objects help) in front.
  static void showWindow(QWidget* window);
  void exitDevelopment();
  void about();
  // The level size, score and yam buttons and IEButton12: show the properties.
  void showProperty(LevelProperties::SizeButton button);
  // The Properties window's "Apply".
  void applyLevelSize();
  // Edit menu and tool bar: the editor's own clipboard.
  void paste();
  void copySelection();
  void cutSelection();
  void chooseDrawingObject(int object, int libraryImage = -1);
  // Hides or shows the main editing area; hidden, previews follow the level.
  void hideEditingArea(bool hide);
  bool editingAreaHidden() const;
  LevelPreviewWindow* newPreviewWindow();
  // Writes Edit.ini (the settings of this run, other entries kept).
  void writeSettings();
  // Testing the level in a player, and the Options window.
  void testLevelExternally();
  void setTestTarget(TestTarget target);
  void showOptions();
  void showFileLocations();
  void findPlayersDialog();
  void findPlayer(TestTarget target);
  // Development "Edit ..." entries and Help "&Help": a text file in the
  // desktop's editor.
  void editTextFile(const QString& folder, const QString& name);
  void openHelp();
  // A message box with a caption of its own (the players' not-found boxes).
  void captionedMessage(const QString& caption, const QString& text);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Construction, in this order.
  void createActions();
  void createMenus();
  void createToolBar();
  void createCentralArea();
  void createStatusBar();
  void createDocks();
  void createToolWindows();
  void connectSignals();
  void connectOptions();
  // Start-up.
  void chooseFolders();
  void setUpEditor();
  void readStartPalette();
  bool checkImageLibrary();
  void openCommandLineFile();

  QAction* makeAction(const QString& name, const QString& text, const QKeySequence& shortcut,
                      std::function<void()> handler);
  void refresh(unsigned what);
  void updatemenu();
  void updateUndoState();
  void showDrawingObject();
  void followCurrentLevelInPreview();
  // Tool windows: states, positions, palette columns.
  void applyPanelStates();
  // Floats, docks (left, right or bottom) or hides a tool window.
  void putDock(QDockWidget* dock, DockState state);
  void capturePanelStates();
  void placeFloatingPanels();
  void updatePaletteColumns();
  void fitObjectsDock();
  void fitToolsDock();
  int titleHeight(const QDockWidget* dock) const;
  // The Properties window's contents follow where it is: the strip at the
  // bottom, the tabs elsewhere.
  void placePropertiesContents();
  bool propertiesAtBottom() const;
  // The Properties strip and the Objects panel share the bottom dock.
  bool propertiesStripBesideObjects() const;
  int bottomObjectsHeight() const;
  // The drawing tools on the level view.
  void connectDrawingTools();
  void viewPressed(QPoint at, int cellSize, Qt::MouseButton button);
  void viewMoved(QPoint at, int cellSize, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
  void viewReleased(Qt::MouseButton button);
  // Shows what an answer of the drawing tools names.
  void applyUpdate(const ViewUpdate& update);
  void updateOverlay();
  void updateToolControls();
  void updateToolHint();
  void updateViewCursor(QPoint at, int cellSize);

  AppOptions options_;
  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs* dialogs_ = nullptr;
  EditorSession session_;
  ClockRandom clockRandom_;
  ToolController drawingTools_;
  LevelProperties levelProperties_;
  Configuration config_;
  SpriteStrip strip_;
  Palette palette_;
  EditMode editMode_ = kGameMode;
  QString programDir_, settingsDir_, computerName_;
  QString openFolder_;
  std::vector<std::string> spriteSets_;
  bool uiReady_ = false;
  bool startupFailed_ = false;
  bool placedPanels_ = false;
  bool fullScreen_ = false;
  bool wasMaximized_ = false;
  bool statusBarWanted_ = true;
  int drawingLibraryImage_ = -1;

  QHash<QString, QAction*> actions_;
  QActionGroup* layerGroup_ = nullptr;
  QActionGroup* modeGroup_ = nullptr;
  QActionGroup* testTargetGroup_ = nullptr;
  QMenu* popupMenu1_ = nullptr;
  QMenu* popupMenu2_ = nullptr;
  QToolBar* panel14_ = nullptr;
  QToolBar* optionsRow_ = nullptr;  // the option bars of the tools, under the tool bar
  SprayOptionsBar* sprayBar_ = nullptr;
  ChaosOptionsBar* chaosBar_ = nullptr;
  QLabel* toolHint_ = nullptr;
  QRegion lastOverlay_;  // view pixels the tools' overlay covered when last shown
  bool draggingSelection_ = false;
  QStackedWidget* centralPages_ = nullptr;
  QWidget* editingArea_ = nullptr;
  QWidget* levelCaption_ = nullptr;
  QLabel* label8_ = nullptr;
  QWidget* infoPanel_ = nullptr;
  QLabel* infoLabel_ = nullptr;
  LevelView* view_ = nullptr;
  LevelScrollBox* scroll_ = nullptr;
  std::vector<QLabel*> statusPanels_;
  QDockWidget* toolsDock_ = nullptr;
  QDockWidget* objectsDock_ = nullptr;
  QDockWidget* propertiesDock_ = nullptr;
  QDockWidget* levelListDock_ = nullptr;
  ToolsCanvas* tools_ = nullptr;
  ObjectsPanel* objects_ = nullptr;
  PropertiesPage* properties_ = nullptr;
  LevelList* levelList_ = nullptr;
  MoveLevelPanel* movePanel_ = nullptr;
  ViewPanel* viewPanel_ = nullptr;
  DevelopPanel* developPanel_ = nullptr;
  ConvertPanel* convertPanel_ = nullptr;
  SearchPanel* searchPanel_ = nullptr;
  ReplacePanel* replacePanel_ = nullptr;
  MessagePanel* messagePanel_ = nullptr;
  AdfBrowserWindow* adfForm_ = nullptr;
  D64BrowserWindow* d64Form_ = nullptr;
  ObjectsHelpWindow* helpForm_ = nullptr;
  C64DumpWindow* dasForm_ = nullptr;
  ResourceExplorerWindow* resForm_ = nullptr;
  OptionsWindow* optionsPanel_ = nullptr;
  FindPanel* findPanel_ = nullptr;
  std::unique_ptr<ProgramLauncher> ownLauncher_;
  ProgramLauncher* launcher_ = nullptr;
  std::vector<LevelPreviewWindow*> previews_;
  QPointer<LevelPreviewWindow> registeredPreview_;
  std::unique_ptr<SplashWindow> ownSplash_;
};

}  // namespace pyrovel::app
