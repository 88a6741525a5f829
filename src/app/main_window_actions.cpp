// What the main window's menu items, buttons and panels do: each forwards to
// the core and shows what changed.
#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

#include "app/adf_browser_window.h"
#include "app/c64_dump_window.h"
#include "app/d64_browser_window.h"
#include "app/develop_panel.h"
#include "app/dialogs.h"
#include "app/editing_area.h"
#include "app/external_player_runner.h"
#include "app/level_list.h"
#include "app/level_previews.h"
#include "app/level_view.h"
#include "app/level_view_controller.h"
#include "app/levelmap_panels.h"
#include "app/main_window.h"
#include "app/objects_help_window.h"
#include "app/objects_palette.h"
#include "app/problems_panel.h"
#include "app/properties_panel.h"
#include "app/resource_explorer_window.h"
#include "app/splash_window.h"
#include "app/text_codec.h"
#include "app/tool_option_bars.h"
#include "app/tool_windows.h"
#include "app/tools_panel.h"
#include "model/startup.h"

namespace pyrovel::app {

// --- showing what changed --------------------------------------------------------

void MainWindow::refresh(unsigned what) {
  if (!state_.uiReady) return;
  const Levelmap& map = session_.map;
  // Not tied to a flag: many edits only set the unsaved mark, and every
  // notification is a chance to show it.
  showFileState();
  followRecovery();
  if (problems_) problems_->levelmapChanged(what);
  if (what & kLevelList) docked_.levelList->fill(map);
  if (what & kLevelShown) {
    viewController_->applyUpdate(drawingTools_.levelShown(map.currentLevel));
    editingArea_->scrollBox()->followLevel();
    {
      // The file name is a path (UTF-8); title and author are record texts.
      const LevelHeader& h = map.current();
      const QString author = fromRecordText(h.author()).trimmed();
      editingArea_->setCaption(fromStd(map.fileName) + " Level " +
                               QString::number(Levelmap::levelNumber(map.currentLevel)) + ": " +
                               fromRecordText(h.title()) +
                               (author.isEmpty() ? QString() : " by " + author));
    }
    statusPanels_[1]->setText("Level Width: " + QString::number(map.current().width()));
    statusPanels_[2]->setText("Level Height: " + QString::number(map.current().height()));
    docked_.levelList->markCurrent(Levelmap::levelNumber(map.currentLevel));
    // The number box follows the level shown, however it was reached.
    QSpinBox* number = docked_.tools->levelNumber();
    const QSignalBlocker quiet(number);
    number->setValue(Levelmap::levelNumber(map.currentLevel));
    showDrawingObject();
    previews_->levelShown();
  }
  if (what & (kLevelShown | kLevelList))
    docked_.levelList->markCurrent(Levelmap::levelNumber(map.currentLevel));
  if (what & (kCellsChanged | kLayer | kLevelShown)) {
    runSearch();
    editingArea_->view()->update();
    previews_->updateAll();
  }
  if (what & kLayer) {
    const bool both = editingArea_->view()->bothLayersShown() && map.currentLayer == kGameLayer;
    action(map.currentLayer == kBackgroundLayer ? "backgroundLayer"
           : both                               ? "bothLayers"
                                                : "gameLayer")
        ->setChecked(true);
  }
  if (what & kUndoState) showUndoState();
  if (what & kHistory) {
    for (int i = 0; i < 4; ++i) {
      const QString entry = QString::fromStdString(session_.history[static_cast<std::size_t>(i)]);
      QAction* item = action(QString("history%1").arg(i + 1));
      item->setText(QString(entry).replace('&', "&&"));
      item->setVisible(entry != "---");
    }
  }
  // The note of the reader that brought the shown level in, while its import is not undone.
  if (what & (kReaderInfo | kLevelShown | kUndoState)) {
    editingArea_->showReaderNote(QString::fromStdString(session_.shownReaderNote()));
  }
  if (what & kPalette) {
    docked_.objects->canvas()->setEntries(palette_);
    if (ObjectsHelpWindow* help = windows_.objectsHelp.ifBuilt()) help->setObjects(palette_);
  }
  // Importers' notes: the message panel shows them whenever there are some.
  if (what & kMessages && (!session_.messages.empty() || panels_.message.ifBuilt())) {
    panels_.message->setMessages(session_.messages, session_.messageSources);
    if (!session_.messages.empty()) {
      panels_.message->show();
      panels_.message->raise();  // in front of the Problems tab it may share
    }
  }
  if (what & kLevelShown) levelProperties_.resetLevelSize();
  // Every redraw of the level fills the Properties window anew.
  if (what & (kProperties | kLevelShown | kCellsChanged)) {
    levelProperties_.showYam();
    if (docked_.properties) docked_.properties->readAll();
  }
}

void MainWindow::showUndoState() {
  // The items say what they would take back: "Undo Rectangle".
  const auto name = [](const char* verb, const std::string& step) {
    return step.empty() ? QString(verb) : QString(verb) + " " + QString::fromStdString(step);
  };
  const std::string undoStep = session_.undoName(), redoStep = session_.redoName();
  QAction* popup = menus_.levelView->findChild<QAction*>("popupUndo");
  for (QAction* a : {action("undo"), action("redo"), popup}) {
    const bool undo = a != action("redo");
    const QString text = name(undo ? "Undo" : "Redo", undo ? undoStep : redoStep);
    a->setEnabled(!(undo ? undoStep : redoStep).empty());
    a->setText(a == popup ? text : "&" + text);
    if (a != popup) a->setToolTip(hintWithShortcut(text, *a));
  }
}

void MainWindow::showFileState() {
  const Levelmap& map = session_.map;
  setWindowTitle(fromStd(map.fileName) + (map.modified ? "* - " : " - ") + kMainCaptionPrefix +
                 kVersionText);
}

void MainWindow::showDrawingObject() {
  docked_.tools->showDrawingObject(strip_, session_.drawingObject, state_.drawingImage);
}

void MainWindow::chooseDrawingObject(int object, int libraryImage) {
  if (object < 0 || object > 255) return;  // palette files may hold numbers beyond the objects
  session_.drawingObject = object;
  state_.drawingImage = libraryImage;
  showDrawingObject();
}

// --- files ---------------------------------------------------------------------

void MainWindow::openLevelmap(OpenSource source, const QString& path) {
  editingArea_->scrollBox()->fitView();
  if (source == OpenSource::History && !path.isEmpty()) {
    settings_.setOpenFolder(QFileInfo(path).absolutePath());
  }
  state_.drawingImage = -1;
  guarded([&] { pyrovel::openLevelmap(session_, source, path.toStdString()); });
}

void MainWindow::loadImageLibrary() {
  const auto chosen = frontend_.dialogs().chooseImageLibrary(
      this, QString::fromStdString(settings_.config().gameDir));
  if (!chosen) return;
  // The object table is the one beside the chosen library.
  const std::string iml = chosen->toStdString();
  if (!guarded([&] { loadSpriteStrip(strip_, iml, objectTableNameFor(iml)); })) return;
  if (DevelopPanel* develop = panels_.develop.ifBuilt())
    develop->fillObjects(strip_, session_.catalogue);
  docked_.objects->canvas()->update();
  if (toolBars_.chaos) toolBars_.chaos->showSprites(strip_);
  if (docked_.properties) docked_.properties->setStrip(&strip_);
  if (ObjectsHelpWindow* help = windows_.objectsHelp.ifBuilt()) help->refreshSprites();
  refresh(kLevelShown | kCellsChanged);
}

// --- levels ---------------------------------------------------------------------

// --- view --------------------------------------------------------------------------

void MainWindow::switchMode(EditMode mode) {
  editMode_ = mode;
  menus_.modes->actions().at(mode)->setChecked(true);
  // The shipped Edit.bdi, the one read at start: the working
  // folder moves with the opened file.
  guarded([&] {
    const auto found =
        paletteForModeSwitch((settings_.dataDir() + kPaletteFileName).toStdString(), mode);
    if (found) palette_ = *found;
  });
  refresh(kPalette);
  docks_->fitObjects();
}

void MainWindow::toggleFullScreen() {
  state_.fullScreen = !state_.fullScreen;
  action("fullScreenEdit")->setChecked(state_.fullScreen);
  toolBars_.main->setVisible(!state_.fullScreen);
  toolBars_.optionsRow->setVisible(!state_.fullScreen);
  menuBar()->setVisible(!state_.fullScreen);
  statusBar()->setVisible(state_.statusBarWanted && !state_.fullScreen);
  editingArea_->setFullScreenLook(state_.fullScreen);
  if (state_.fullScreen) {
    state_.wasMaximized = isMaximized();
    showFullScreen();
    panels_.view->show();
    // Top right, clear of the tools on the left.
    const QRect screenArea = screen()->geometry();
    panels_.view->move(screenArea.right() - panels_.view->frameGeometry().width() - 24,
                       screenArea.top() + 24);
  } else {
    panels_.view->hide();
    if (state_.wasMaximized) {
      showMaximized();
    } else {
      showNormal();
    }
  }
  editingArea_->scrollBox()->fitView();
}

void MainWindow::toggleStatusBar() {
  state_.statusBarWanted = !state_.statusBarWanted;
  statusBar()->setVisible(state_.statusBarWanted && !state_.fullScreen);
  action("showStatusBar")->setChecked(state_.statusBarWanted);
}

MainWindow::SecondaryWindows MainWindow::makeSecondaryWindows() {
  return {
      LazyWindow<AdfBrowserWindow>(
          [this] { return new AdfBrowserWindow(session_, &frontend_.dialogs(), this); }),
      LazyWindow<D64BrowserWindow>(
          [this] { return new D64BrowserWindow(session_, &frontend_.dialogs(), this); }),
      LazyWindow<ObjectsHelpWindow>([this] {
        auto* help = new ObjectsHelpWindow(session_.catalogue, strip_, &frontend_.dialogs(), this);
        help->setObjects(palette_);
        help->setDevelopmentMode(panels_.develop.ifBuilt() && panels_.develop->isVisible());
        return help;
      }),
      LazyWindow<C64DumpWindow>([this] {
        auto* dump = new C64DumpWindow(session_, &frontend_.dialogs(), this);
        // A converted memory dump is shown whole, like a file opened.
        connect(dump, &C64DumpWindow::dasLevelsetRead, this,
                [this] { editingArea_->scrollBox()->fitView(); });
        return dump;
      }),
      LazyWindow<ResourceExplorerWindow>(
          [this] { return new ResourceExplorerWindow(session_, &frontend_.dialogs(), this); }),
  };
}

}  // namespace pyrovel::app
