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
#include <QSpinBox>
#include <QStackedWidget>
#include <QTimer>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include "app/develop_panel.h"
#include "app/text_codec.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/levelmap_panels.h"
#include "app/objects_help_window.h"
#include "app/level_list.h"
#include "app/level_view.h"
#include "app/objects_palette.h"
#include "app/level_preview_window.h"
#include "app/properties_panel.h"
#include "app/splash_window.h"
#include "app/tool_option_bars.h"
#include "app/tool_windows.h"
#include "app/tools_panel.h"
#include "model/startup.h"

namespace pyrovel::app {

// --- showing what changed --------------------------------------------------------

void MainWindow::refresh(unsigned what) {
  if (!uiReady_) return;
  const Levelmap& map = session_.map;
  if (what & kLevelList) levelList_->fill(map);
  if (what & kLevelShown) {
    view_->computeCellSize();
    {
      // The file name is a path (UTF-8); title and author are record texts.
      const LevelHeader& h = map.current();
      label8_->setText(fromStd(map.fileName) + " Level " +
                       QString::number(Levelmap::levelNumber(map.currentLevel)) + ": " +
                       fromRecordText(h.title()) + " by " + fromRecordText(h.author()));
    }
    statusPanels_[1]->setText("Level Width: " + QString::number(map.current().width()));
    statusPanels_[2]->setText("Level Height: " + QString::number(map.current().height()));
    levelList_->markCurrent(Levelmap::levelNumber(map.currentLevel));
    showDrawingObject();
    followCurrentLevelInPreview();
  }
  if (what & (kLevelShown | kLevelList)) levelList_->markCurrent(Levelmap::levelNumber(map.currentLevel));
  if (what & (kCellsChanged | kLayer | kLevelShown)) {
    view_->update();
    for (LevelPreviewWindow* preview : previews_) preview->update();
  }
  if (what & kLayer) {
    action(map.currentLayer == kBackgroundLayer ? "BackgroundLayer" : "GamegridLayer")->setChecked(true);
  }
  if (what & kUndoState) updateUndoState();
  if (what & kHistory) updatemenu();
  if (what & kReaderInfo) {
    infoLabel_->setText(QString::fromStdString(session_.readerNote));
    infoPanel_->setVisible(!session_.readerNote.empty());
  }
  if (what & kPalette) {
    objects_->canvas()->setEntries(palette_);
    helpForm_->setObjects(palette_);
  }
  // Importers' notes: the message panel shows them whenever there are some.
  if (what & kMessages) {
    messagePanel_->setLines(session_.messages);
    if (!session_.messages.empty()) showPanel(messagePanel_);
  }
  if (what & kLevelShown) levelProperties_.resetLevelSize();
  // Every redraw of the level fills the Properties window anew.
  if (what & (kProperties | kLevelShown | kCellsChanged)) {
    levelProperties_.showYam();
    properties_->readAll();
  }
}

void MainWindow::updateUndoState() {
  const bool undo = session_.canUndo(), redo = session_.canRedo();
  action("Undo1")->setEnabled(undo);
  action("Redo1")->setEnabled(redo);
  popupMenu1_->findChild<QAction*>("PopupUndo")->setEnabled(undo);
}

void MainWindow::updatemenu() {
  for (int i = 0; i < 4; ++i) {
    const QString entry = QString::fromStdString(session_.history[static_cast<std::size_t>(i)]);
    QAction* item = action(QString("History%1").arg(i + 1));
    item->setText(QString(entry).replace('&', "&&"));
    item->setVisible(entry != "---");
  }
}

void MainWindow::showDrawingObject() {
  tools_->showDrawingObject(strip_, session_.drawingObject, drawingLibraryImage_);
}

void MainWindow::chooseDrawingObject(int object, int libraryImage) {
  if (object < 0 || object > 255) return;  // palette files may hold numbers beyond the objects
  session_.drawingObject = object;
  drawingLibraryImage_ = libraryImage;
  showDrawingObject();
}

// --- files ---------------------------------------------------------------------

void MainWindow::openLevelmap(OpenSource source, const QString& path) {
  scroll_->fitView();
  if (source == OpenSource::History && !path.isEmpty()) {
    openFolder_ = QFileInfo(path).absolutePath();
  }
  drawingLibraryImage_ = -1;
  guarded([&] { pyrovel::openLevelmap(session_, source, path.toStdString()); });
}

void MainWindow::newLevelmap() {
  guarded([this] { pyrovel::newLevelmap(session_); });
}

void MainWindow::save() {
  guarded([this] { saveLevelmap(session_); });
}

void MainWindow::saveAs() {
  guarded([this] { saveLevelmapAs(session_); });
}

void MainWindow::loadImageLibrary() {
  const auto chosen = dialogs_->chooseImageLibrary(this, QString::fromStdString(config_.gameDir));
  if (!chosen) return;
  // The object table is the one beside the chosen library.
  const std::string iml = chosen->toStdString();
  if (!guarded([&] { loadSpriteStrip(strip_, iml, objectTableNameFor(iml)); })) return;
  developPanel_->fillObjects(strip_, session_.catalogue);
  objects_->canvas()->update();
  chaosBar_->showSprites(strip_);
  properties_->setStrip(&strip_);
  helpForm_->refreshSprites();
  refresh(kLevelShown | kCellsChanged);
}

// --- levels ---------------------------------------------------------------------

void MainWindow::selectLevel(int slot) {
  guarded([&] { session_.selectLevel(slot); });
}

void MainWindow::nextLevel() {
  guarded([this] { session_.nextLevel(); });
}

void MainWindow::previousLevel() {
  guarded([this] { session_.previousLevel(); });
}

void MainWindow::goToLevel() {
  QSpinBox* field = tools_->levelNumber();
  guarded([&] { field->setValue(session_.goToLevel(field->value())); });
}

void MainWindow::deleteLevel() {
  guarded([this] { session_.deleteLevel(); });
}

void MainWindow::insertLevel() {
  guarded([this] { session_.insertLevel(); });
}

void MainWindow::showMoveLevelPanel() {
  movePanel_->open(Levelmap::levelNumber(session_.map.currentLevel));
  guarded([this] { session_.updateLevelList(); });
}

void MainWindow::clearLevel() {
  guarded([this] { session_.clearLevel(); });
}

void MainWindow::undo() {
  guarded([this] { session_.undo(); });
}

void MainWindow::redo() {
  guarded([this] { session_.redo(); });
}

// --- view --------------------------------------------------------------------------

void MainWindow::zoomIn() { scroll_->zoomIn(); }

void MainWindow::zoomOut() { scroll_->zoomOut(); }

void MainWindow::showBackgroundLayer() {
  guarded([this] { pyrovel::showBackgroundLayer(session_); });
}

void MainWindow::showGameLayer() {
  guarded([this] { pyrovel::showGameLayer(session_); });
}

void MainWindow::switchMode(EditMode mode) {
  editMode_ = mode;
  modeGroup_->actions().at(mode)->setChecked(true);
  // Edit.bdi of the program folder, the one read at start: the working
  // folder moves with the opened file.
  guarded([&] {
    const auto found = paletteForModeSwitch((programDir_ + kPaletteFileName).toStdString(), mode);
    if (found) palette_ = *found;
  });
  refresh(kPalette);
  fitObjectsDock();
}

void MainWindow::toggleFullScreen() {
  fullScreen_ = !fullScreen_;
  action("FullscreenEdit1")->setChecked(fullScreen_);
  levelCaption_->setVisible(!fullScreen_);
  panel14_->setVisible(!fullScreen_);
  optionsRow_->setVisible(!fullScreen_);
  menuBar()->setVisible(!fullScreen_);
  statusBar()->setVisible(statusBarWanted_ && !fullScreen_);
  scroll_->setFrameShape(fullScreen_ ? QFrame::NoFrame : QFrame::StyledPanel);
  if (fullScreen_) {
    wasMaximized_ = isMaximized();
    showFullScreen();
    viewPanel_->show();
    // Top right, clear of the tools on the left.
    const QRect screenArea = screen()->geometry();
    viewPanel_->move(screenArea.right() - viewPanel_->frameGeometry().width() - 24, screenArea.top() + 24);
  } else {
    viewPanel_->hide();
    if (wasMaximized_) {
      showMaximized();
    } else {
      showNormal();
    }
  }
  zoomOut();
}

void MainWindow::toggleStatusBar() {
  statusBarWanted_ = !statusBarWanted_;
  statusBar()->setVisible(statusBarWanted_ && !fullScreen_);
  action("Statusbar2")->setChecked(statusBarWanted_);
}

void MainWindow::togglePropertiesPanel() { propertiesDock_->setVisible(propertiesDock_->isHidden()); }

void MainWindow::toggleLevelList() { levelListDock_->setVisible(levelListDock_->isHidden()); }


void MainWindow::showDevelopmentPanel() {
  developPanel_->show();
  developPanel_->raise();
  helpForm_->setDevelopmentMode(true);
}

void MainWindow::exitDevelopment() {
  developPanel_->hide();
  helpForm_->setDevelopmentMode(false);
}

void MainWindow::showWindow(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void MainWindow::showPanel(QWidget* panel) {
  // During start-up (a file from the command line) the window has no place
  // on the screen yet: show the panel once it has.
  if (!isVisible()) {
    QTimer::singleShot(0, this, [this, panel] {
      if (isVisible()) showPanel(panel);
    });
    return;
  }
  if (!panel->isVisible()) {
    panel->adjustSize();
    const QPoint corner = scroll_->mapToGlobal(scroll_->rect().topRight());
    panel->move(corner.x() - panel->width() - 24, corner.y() + 24);
  }
  panel->show();
  panel->raise();
  panel->activateWindow();
}

void MainWindow::about() {
  SplashWindow* splash = options_.splash;
  if (!splash) {
    if (!ownSplash_) ownSplash_ = std::make_unique<SplashWindow>(this);
    splash = ownSplash_.get();
  }
  splash->showAbout();
}

// --- previews ---------------------------------------------------------------------

LevelPreviewWindow* MainWindow::newPreviewWindow() {
  auto* preview = new LevelPreviewWindow(this, &session_.map, &strip_, [this] { return view_->cellSize(); });
  connect(preview, &LevelPreviewWindow::activated, this, [this](LevelPreviewWindow* p) { registeredPreview_ = p; });
  connect(preview, &QObject::destroyed, this, [this, preview] {
    previews_.erase(std::remove(previews_.begin(), previews_.end(), preview), previews_.end());
  });
  previews_.push_back(preview);
  return preview;
}

bool MainWindow::editingAreaHidden() const { return centralPages_->currentWidget() != editingArea_; }

void MainWindow::hideEditingArea(bool hide) {
  centralPages_->setCurrentIndex(hide ? 1 : 0);
  if (hide && !previews_.empty()) {
    LevelPreviewWindow* preview = registeredPreview_ ? registeredPreview_.data() : previews_.front();
    preview->show();
    preview->raise();
    registeredPreview_ = preview;
    preview->drawPreview();
  }
}

void MainWindow::followCurrentLevelInPreview() {
  if (editingAreaHidden() && registeredPreview_) registeredPreview_->drawPreview();
}

}  // namespace pyrovel::app
