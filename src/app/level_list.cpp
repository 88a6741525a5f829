#include "app/level_list.h"

#include <QDrag>
#include <QDropEvent>
#include <QHeaderView>
#include <QMimeData>

#include "app/text_codec.h"

namespace pyrovel::app {

namespace {
constexpr const char* kRowMime = "application/x-prvl-level-row";
constexpr int kNumberColumnWidth = 28;
}  // namespace

LevelList::LevelList(QWidget* parent) : QTableWidget(parent) {
  setObjectName("levelList");
  // Hidden before the rows come: shown headers would measure every row's label.
  horizontalHeader()->hide();
  verticalHeader()->hide();
  setRowCount(100);
  setColumnCount(2);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::SelectedClicked);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDropIndicatorShown(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setWordWrap(false);
  setColumnWidth(0, kNumberColumnWidth);
  for (int row = 0; row < 100; ++row) {
    auto* number = new QTableWidgetItem(QString::number(row));
    number->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    number->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setItem(row, 0, number);
    auto* title = new QTableWidgetItem;
    title->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable |
                    Qt::ItemIsDragEnabled);
    setItem(row, 1, title);
  }
  connect(this, &QTableWidget::cellClicked, this, [this](int row, int) { emit levelClicked(row); });
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!filling_ && item->column() == 1) emit titleEdited(item->row(), item->text());
  });
}

void LevelList::fill(const Levelmap& map) {
  filling_ = true;
  for (int row = 0; row < 100; ++row) {
    item(row, 1)->setText(fromRecordText(map.header(row + 1).title()));
  }
  filling_ = false;
}

void LevelList::markCurrent(int levelNumber) {
  QSignalBlocker block(this);
  setCurrentCell(levelNumber, 1);
  scrollToItem(item(levelNumber, 1));
}

void LevelList::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  setColumnWidth(1, std::max(20, viewport()->width() - kNumberColumnWidth));
}

void LevelList::startDrag(Qt::DropActions) {
  const int row = currentRow();
  if (row < 0) return;
  auto* mime = new QMimeData;
  mime->setData(kRowMime, QByteArray::number(row));
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  drag->exec(Qt::MoveAction);
}

void LevelList::dragEnterEvent(QDragEnterEvent* event) {
  if (event->source() == this && event->mimeData()->hasFormat(kRowMime)) {
    event->acceptProposedAction();
  } else {
    event->ignore();
  }
}

void LevelList::dragMoveEvent(QDragMoveEvent* event) {
  if (event->source() != this || !event->mimeData()->hasFormat(kRowMime)) {
    event->ignore();
    return;
  }
  QTableWidget::dragMoveEvent(event);  // scrolls near the edges, draws the indicator
  event->acceptProposedAction();
}

int LevelList::dropRow(const QPoint& pos) const {
  const int row = rowAt(pos.y());
  return row < 0 ? rowCount() - 1 : row;
}

void LevelList::dropEvent(QDropEvent* event) {
  if (event->source() != this || !event->mimeData()->hasFormat(kRowMime)) {
    event->ignore();
    return;
  }
  bool ok = false;
  const int from = event->mimeData()->data(kRowMime).toInt(&ok);
  const int to = dropRow(event->position().toPoint());
  // The list itself is refilled from the levelmap; nothing moves here.
  event->setDropAction(Qt::IgnoreAction);
  event->accept();
  if (ok && from != to) emit rowDragged(from, to);
}

}  // namespace pyrovel::app
