// The drawing tools on the level view, the editor's clipboard and the
// Properties window: the window hands pointer events and button clicks to
// the core and shows what each answer names.
#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include "app/event_watcher.h"
#include "app/main_window.h"
#include "app/icons.h"
#include "app/level_view.h"
#include "app/level_preview_window.h"
#include "app/properties_panel.h"
#include "app/tool_option_bars.h"
#include "app/tool_overlay.h"
#include "app/tools_panel.h"

namespace pyrovel::app {

namespace {

// Selection, rectangle and chaos turn white while on.
const char* const kHighlighted =
    "QToolButton { background-color: white; border: 1px solid #8a96a3; border-radius: 3px; }";

// The rectangle style is chosen on a 24 x 24 button: scale our button to it.
QPoint onStyleGrid(const QWidget* button, QPoint at) {
  constexpr int kGrid = 24;
  return {at.x() * kGrid / std::max(1, button->width()), at.y() * kGrid / std::max(1, button->height())};
}

QString toolHintText(const ToolController& tools) {
  switch (tools.tool()) {
    case Tool::Selection:
      return "Selection: drag over the cells to copy";
    case Tool::Rectangle:
      return tools.rectangleStyle() == RectangleStyle::Filled
                 ? "Rectangle (filled): drag over the area to fill with the drawing object"
                 : "Rectangle (outline): drag over the area to frame with the drawing object";
    case Tool::Pen:
      if (tools.clipboard().visible()) {
        return "Drag the floating selection where it should go, then Paste (Ctrl+V)";
      }
      return "Pen: the left button draws the drawing object, the right button erases";
    default:
      return {};  // the tool's option bar is shown instead
  }
}

}  // namespace

void MainWindow::connectDrawingTools() {
  connect(view_, &LevelView::pressed, this,
          [this](QPoint at, int cellSize, Qt::MouseButton button) { viewPressed(at, cellSize, button); });
  connect(view_, &LevelView::moved, this, &MainWindow::viewMoved);
  connect(view_, &LevelView::released, this,
          [this](QPoint, int, Qt::MouseButton button) { viewReleased(button); });
  view_->setOverlay([this](QPainter& p, int cellSize, const QRect& area) {
    paintToolOverlay(p, drawingTools_, strip_, cellSize, area, view_->rect());
  });

  const std::pair<const char*, ViewUpdate (ToolController::*)()> toggles[] = {
      {"IEButton18", &ToolController::toggleSelection},
      {"IEButton23", &ToolController::toggleRectangle},
      {"Spraybutton", &ToolController::toggleSpray},
      {"IEButtonchaos", &ToolController::toggleChaos},
  };
  for (const auto& [name, click] : toggles) {
    QToolButton* button = tools_->button(name);
    button->setEnabled(true);
    connect(button, &QToolButton::clicked, this, [this, click = click] { applyUpdate((drawingTools_.*click)()); });
  }
  // The spray stays down while it is on.
  tools_->button("Spraybutton")->setCheckable(true);
  // Where the rectangle or chaos button is pressed chooses the style, before the click.
  for (const char* name : {"IEButton23", "IEButtonchaos"}) {
    EventWatcher::watch(tools_->button(name), this, [this](QObject* watched, QEvent* event) {
      if (event->type() != QEvent::MouseButtonPress) return false;
      const auto* press = static_cast<QMouseEvent*>(event);
      if (press->button() != Qt::LeftButton) return false;
      const QPoint at = onStyleGrid(static_cast<QWidget*>(watched), press->position().toPoint());
      applyUpdate(drawingTools_.pressRectangleButton(at.x(), at.y()));
      return false;
    });
  }
  connect(tools_->button("IEButton30"), &QToolButton::clicked, this,
          [this] { drawingTools_.toggleLine(); });

  // While the Properties window is dragged, the level view neither draws nor reads out.
  EventWatcher::watch(propertiesDock_, this, [this](QObject*, QEvent* event) {
    switch (event->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::NonClientAreaMouseButtonPress:
        drawingTools_.propertiesDragActive = true;
        break;
      case QEvent::MouseButtonRelease:
      case QEvent::NonClientAreaMouseButtonRelease:
      case QEvent::Hide:
        drawingTools_.propertiesDragActive = false;
        break;
      default:
        break;
    }
    return false;
  });
  connect(propertiesDock_, &QDockWidget::topLevelChanged, this, [this] { placePropertiesContents(); });
  connect(propertiesDock_, &QDockWidget::dockLocationChanged, this, [this] { placePropertiesContents(); });
  connect(properties_, &PropertiesPage::applyRequested, this, [this] { applyLevelSize(); });
  updateToolControls();
}

// --- the level view ----------------------------------------------------------------

void MainWindow::viewPressed(QPoint at, int cellSize, Qt::MouseButton qtButton) {
  const auto button = toCoreButton(qtButton);
  if (!button || draggingSelection_) return;
  // The floating selection lies over the level: a press on it takes it up.
  if (!drawingTools_.rubberBand() && drawingTools_.clipboard().contains(at.x(), at.y(), cellSize)) {
    if (*button != MouseButton::Left) return;
    draggingSelection_ = true;
    applyUpdate(drawingTools_.pressSelection(at.x(), at.y(), cellSize));
    return;
  }
  applyUpdate(drawingTools_.press(at.x(), at.y(), *button, cellSize));
}

void MainWindow::viewMoved(QPoint at, int cellSize, Qt::MouseButtons buttons,
                       Qt::KeyboardModifiers modifiers) {
  // A window move handed to the system may end without a release reaching
  // the Properties window: a move with the button up shows the drag is over.
  if (!(buttons & Qt::LeftButton)) drawingTools_.propertiesDragActive = false;
  if (draggingSelection_) {
    applyUpdate(drawingTools_.dragSelection(at.x(), at.y(), cellSize));
  } else {
    applyUpdate(drawingTools_.move(at.x(), at.y(), heldState(buttons, modifiers), cellSize));
  }
  updateViewCursor(at, cellSize);
}

void MainWindow::viewReleased(Qt::MouseButton qtButton) {
  const auto button = toCoreButton(qtButton);
  if (!button) return;
  if (draggingSelection_) {
    if (*button != MouseButton::Left) return;
    draggingSelection_ = false;
    applyUpdate(drawingTools_.releaseSelection());
    return;
  }
  applyUpdate(drawingTools_.release(*button));
}

void MainWindow::applyUpdate(const ViewUpdate& update) {
  for (const CellPos& cell : update.cells) view_->updateCell(cell.x, cell.y);
  if (!update.cells.empty()) {
    for (LevelPreviewWindow* preview : previews_) preview->update();
  }
  if (update.redrawLevel) refresh(kCellsChanged);
  if (update.overlay) updateOverlay();
  if (update.status) {
    statusPanels_[0]->setText(QString::fromStdString(drawingTools_.statusCoordinates()));
    statusPanels_[3]->setText(QString::fromStdString(drawingTools_.statusObject()));
  }
  if (update.tools) {
    updateToolControls();
  } else if (update.overlay) {
    updateToolHint();  // a selection shown or gone changes what the pen's hint says
  }
}

void MainWindow::updateOverlay() {
  const QRegion now = toolOverlayRegion(drawingTools_, view_->cellSize(), view_->rect());
  view_->update(lastOverlay_ + now);
  lastOverlay_ = now;
}

void MainWindow::updateToolControls() {
  for (const auto& [name, tool] : {std::pair{"IEButton18", Tool::Selection},
                                   std::pair{"IEButton23", Tool::Rectangle},
                                   std::pair{"IEButtonchaos", Tool::Chaos}}) {
    tools_->button(name)->setStyleSheet(drawingTools_.buttonHighlighted(tool) ? kHighlighted : "");
  }
  tools_->button("Spraybutton")->setChecked(drawingTools_.sprayButtonDown());
  static const Glyph kRectangleGlyphs[] = {Glyph::RectangleOff, Glyph::RectangleFilled,
                                           Glyph::RectangleOutline};
  tools_->button("IEButton23")->setIcon(glyphIcon(kRectangleGlyphs[drawingTools_.rectangleGlyph()]));
  sprayBar_->setVisible(drawingTools_.sprayOptionsVisible());
  chaosBar_->setVisible(drawingTools_.chaosOptionsVisible());
  updateToolHint();
  updateViewCursor(view_->mapFromGlobal(QCursor::pos()), view_->cellSize());
}

void MainWindow::updateToolHint() {
  const QString hint = toolHintText(drawingTools_);
  if (hint != toolHint_->text()) toolHint_->setText(hint);
  toolHint_->setVisible(!hint.isEmpty());
}

void MainWindow::updateViewCursor(QPoint at, int cellSize) {
  Qt::CursorShape shape = drawingTools_.cursor() == CursorKind::Cross ? Qt::CrossCursor : Qt::ArrowCursor;
  if (draggingSelection_ ||
      (!drawingTools_.rubberBand() && drawingTools_.clipboard().contains(at.x(), at.y(), cellSize))) {
    shape = Qt::SizeAllCursor;
  }
  if (view_->cursor().shape() != shape) view_->setCursor(shape);
}

// --- the clipboard --------------------------------------------------------------------

void MainWindow::paste() { applyUpdate(drawingTools_.paste()); }

void MainWindow::copySelection() { applyUpdate(drawingTools_.copySelection()); }

void MainWindow::cutSelection() { applyUpdate(drawingTools_.cutSelection()); }

// --- the Properties window ----------------------------------------------------------------

bool MainWindow::propertiesAtBottom() const {
  return !propertiesDock_->isFloating() &&
         dockWidgetArea(propertiesDock_) == Qt::BottomDockWidgetArea;
}

void MainWindow::placePropertiesContents() {
  const bool bottom = propertiesAtBottom();
  if (bottom == properties_->bottomStrip()) return;
  properties_->setBottomStrip(bottom);
  // At the bottom the title runs down the left side, as the strip's handle.
  propertiesDock_->setFeatures(propertiesDock_->features().setFlag(QDockWidget::DockWidgetVerticalTitleBar, bottom));
  if (bottom) {
    QTimer::singleShot(0, this, [this] {
      if (propertiesAtBottom()) {
        resizeDocks({propertiesDock_}, {properties_->stripHeight()}, Qt::Vertical);
      }
      fitObjectsDock();
    });
  } else if (propertiesDock_->isFloating()) {
    propertiesDock_->resize(propertiesDock_->sizeHint().expandedTo(QSize(233, 345)));
  }
  // A palette at the bottom fills the dock again once the strip has left it.
  if (!bottom) QTimer::singleShot(0, this, [this] { fitObjectsDock(); });
}

void MainWindow::showProperty(LevelProperties::SizeButton button) {
  const bool atBottom = propertiesAtBottom() && !propertiesDock_->isHidden();
  const LevelProperties::SizeRequest request = levelProperties_.showProperty(button, atBottom);
  if (request.refreshed) {
    properties_->readAll();
  } else {
    properties_->readSize();
  }
  if (request.showPanel) {
    propertiesDock_->show();
    propertiesDock_->raise();
  }
  if (request.tab) properties_->pages()->setCurrentIndex(static_cast<int>(*request.tab));
}

void MainWindow::applyLevelSize() {
  guarded([this] {
    const LevelProperties::Applied applied = levelProperties_.applyLevelSize(view_->width(), view_->cellSize());
    // The view fits its cells to the level shown again; only the texts are taken.
    statusPanels_[1]->setText(QString::fromStdString(applied.widthStatus));
    statusPanels_[2]->setText(QString::fromStdString(applied.heightStatus));
  });
  properties_->readAll();
}

}  // namespace pyrovel::app
