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
#include "app/form1.h"
#include "app/levelmap_panels.h"
#include "app/objects_help_window.h"
#include "app/level_list.h"
#include "app/level_view.h"
#include "app/objects_palette.h"
#include "app/preview_window.h"
#include "app/properties_panel.h"
#include "app/splash_window.h"
#include "app/tool_option_bars.h"
#include "app/tool_windows.h"
#include "app/tools_panel.h"
#include "model/startup.h"

namespace pyrovel::app {

// --- showing what changed --------------------------------------------------------

void TForm1::refresh(unsigned what) {
  if (!uiReady_) return;
  const Levelmap& map = session_.map;
  if (what & kLevelList) levelList_->fill(map);
  if (what & kLevelShown) {
    view_->ComputeCellSize();
    {
      // The file name is a path (UTF-8); title and author are record texts.
      const LevelHeader& h = map.current();
      label8_->setText(fromStd(map.FileName) + " Level " +
                       QString::number(Levelmap::levelNumber(map.CurrentLevel)) + ": " +
                       fromRecordText(h.Title()) + " by " + fromRecordText(h.Author()));
    }
    statusPanels_[1]->setText("Level Width: " + QString::number(map.current().Width()));
    statusPanels_[2]->setText("Level Height: " + QString::number(map.current().Height()));
    levelList_->markCurrent(Levelmap::levelNumber(map.CurrentLevel));
    showDrawingObject();
    followCurrentLevelInPreview();
  }
  if (what & (kLevelShown | kLevelList)) levelList_->markCurrent(Levelmap::levelNumber(map.CurrentLevel));
  if (what & (kCellsChanged | kLayer | kLevelShown)) {
    view_->update();
    for (TForm2* preview : previews_) preview->update();
  }
  if (what & kLayer) {
    action(map.CurrentLayer == kBackgroundLayer ? "BackgroundLayer" : "GamegridLayer")->setChecked(true);
  }
  if (what & kUndoState) updateUndoState();
  if (what & kHistory) updatemenu();
  if (what & kReaderInfo) {
    infoLabel_->setText(QString::fromStdString(session_.ReaderInfo));
    infoPanel_->setVisible(!session_.ReaderInfo.empty());
  }
  if (what & kPalette) {
    objects_->canvas()->setEntries(palette_);
    helpForm_->setObjects(palette_);
  }
  // Importers' notes: the message panel shows them whenever there are some.
  if (what & kMessages) {
    messagePanel_->setLines(session_.Messagememo);
    if (!session_.Messagememo.empty()) showPanel(messagePanel_);
  }
  if (what & kLevelShown) levelProperties_.ResetLevelSize();
  // Every redraw of the level fills the Properties window anew.
  if (what & (kProperties | kLevelShown | kCellsChanged)) {
    levelProperties_.ShowYam();
    properties_->readAll();
  }
}

void TForm1::updateUndoState() {
  const bool undo = session_.canUndo(), redo = session_.canRedo();
  action("Undo1")->setEnabled(undo);
  action("Redo1")->setEnabled(redo);
  popupMenu1_->findChild<QAction*>("PopupUndo")->setEnabled(undo);
}

void TForm1::updatemenu() {
  for (int i = 0; i < 4; ++i) {
    const QString entry = QString::fromStdString(session_.History[static_cast<std::size_t>(i)]);
    QAction* item = action(QString("History%1").arg(i + 1));
    item->setText(QString(entry).replace('&', "&&"));
    item->setVisible(entry != "---");
  }
}

void TForm1::showDrawingObject() {
  tools_->showDrawingObject(strip_, session_.DrawingObject, drawingLibraryImage_);
}

void TForm1::chooseDrawingObject(int object, int libraryImage) {
  if (object < 0 || object > 255) return;  // palette files may hold numbers beyond the objects
  session_.DrawingObject = object;
  drawingLibraryImage_ = libraryImage;
  showDrawingObject();
}

// --- files ---------------------------------------------------------------------

void TForm1::LevelEdit(EditorSession::OpenSource source, const QString& path) {
  scroll_->fitView();
  if (source == EditorSession::OpenSource::History && !path.isEmpty()) {
    openFolder_ = QFileInfo(path).absolutePath();
  }
  drawingLibraryImage_ = -1;
  guarded([&] { session_.LevelEdit(source, path.toStdString()); });
}

void TForm1::Newlevelmap() {
  guarded([this] { session_.Newlevelmap(); });
}

void TForm1::SaveLevelsClick() {
  guarded([this] { session_.SaveLevelsClick(); });
}

void TForm1::Saveas1Click() {
  guarded([this] { session_.Saveas1Click(); });
}

void TForm1::loadImageLibrary() {
  const auto chosen = dialogs_->chooseImageLibrary(this, QString::fromStdString(config_.GameDir));
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

void TForm1::SelectLevel(int slot) {
  guarded([&] { session_.SelectLevel(slot); });
}

void TForm1::nextlevel() {
  guarded([this] { session_.nextlevel(); });
}

void TForm1::Prevlevel() {
  guarded([this] { session_.Prevlevel(); });
}

void TForm1::GoLevel() {
  QSpinBox* field = tools_->levelNumber();
  guarded([&] { field->setValue(session_.GoLevel(field->value())); });
}

void TForm1::DeleteLEvel() {
  guarded([this] { session_.DeleteLEvel(); });
}

void TForm1::Insertlevel1Click() {
  guarded([this] { session_.Insertlevel1Click(); });
}

void TForm1::MoveLevel1Click() {
  movePanel_->open(Levelmap::levelNumber(session_.map.CurrentLevel));
  guarded([this] { session_.UpdateLevelList(); });
}

void TForm1::ClearLevel() {
  guarded([this] { session_.ClearLevel(); });
}

void TForm1::Undo1Click() {
  guarded([this] { session_.Undo1Click(); });
}

void TForm1::Redo1click() {
  guarded([this] { session_.Redo1click(); });
}

// --- view --------------------------------------------------------------------------

void TForm1::ZoomIn() { scroll_->ZoomIn(); }

void TForm1::Zoomout() { scroll_->Zoomout(); }

void TForm1::Showbackgroundlayer() {
  guarded([this] { pyrovel::Showbackgroundlayer(session_); });
}

void TForm1::Showgamelayer() {
  guarded([this] { pyrovel::Showgamelayer(session_); });
}

void TForm1::switchMode(EditMode mode) {
  EditMode_ = mode;
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

void TForm1::FullscreenEdit1Click() {
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
  Zoomout();
}

void TForm1::Statusbar2Click() {
  statusBarWanted_ = !statusBarWanted_;
  statusBar()->setVisible(statusBarWanted_ && !fullScreen_);
  action("Statusbar2")->setChecked(statusBarWanted_);
}

void TForm1::Properties1Click() { propertiesDock_->setVisible(propertiesDock_->isHidden()); }

void TForm1::Levellist1Click() { levelListDock_->setVisible(levelListDock_->isHidden()); }


void TForm1::ShowDevelopmentPanel1Click() {
  developPanel_->show();
  developPanel_->raise();
  helpForm_->setDevelopmentMode(true);
}

void TForm1::ExitDevelopment() {
  developPanel_->hide();
  helpForm_->setDevelopmentMode(false);
}

void TForm1::showWindow(QWidget* window) {
  window->show();
  window->raise();
  window->activateWindow();
}

void TForm1::showPanel(QWidget* panel) {
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

void TForm1::About1Click() {
  SplashWindow* splash = options_.splash;
  if (!splash) {
    if (!ownSplash_) ownSplash_ = std::make_unique<SplashWindow>(this);
    splash = ownSplash_.get();
  }
  splash->showAbout();
}

// --- previews ---------------------------------------------------------------------

TForm2* TForm1::newPreviewWindow() {
  auto* preview = new TForm2(this, &session_.map, &strip_, [this] { return view_->cellSize(); });
  connect(preview, &TForm2::activated, this, [this](TForm2* p) { registeredPreview_ = p; });
  connect(preview, &QObject::destroyed, this, [this, preview] {
    previews_.erase(std::remove(previews_.begin(), previews_.end(), preview), previews_.end());
  });
  previews_.push_back(preview);
  return preview;
}

bool TForm1::editingAreaHidden() const { return centralPages_->currentWidget() != editingArea_; }

void TForm1::hideEditingArea(bool hide) {
  centralPages_->setCurrentIndex(hide ? 1 : 0);
  if (hide && !previews_.empty()) {
    TForm2* preview = registeredPreview_ ? registeredPreview_.data() : previews_.front();
    preview->show();
    preview->raise();
    registeredPreview_ = preview;
    preview->drawForm2();
  }
}

void TForm1::followCurrentLevelInPreview() {
  if (editingAreaHidden() && registeredPreview_) registeredPreview_->drawForm2();
}

}  // namespace pyrovel::app
