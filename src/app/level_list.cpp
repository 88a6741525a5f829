#include "app/level_list.h"

#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QHash>
#include <QHeaderView>
#include <QMimeData>
#include <QPainter>
#include <QStaticText>
#include <QStyledItemDelegate>

#include "app/text_codec.h"

namespace pyrovel::app {

namespace {
constexpr const char* kRowMime = "application/x-prvl-level-row";
constexpr int kNumberColumnWidth = 28;

// Draws a row's number or title as the style's item view does, from text
// laid out once: the style lays out a cell's text three times at every
// paint (to measure it, to elide it and to draw it), which made the list
// the dearest part of the window to paint. A cell the shortcut cannot draw
// the same (a text that does not fit, the focus frame, an icon) goes to the
// style.
class LevelRowDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* view = item.widget;
    QStyle* style = view ? view->style() : QApplication::style();
    const Qt::Alignment across = item.displayAlignment & Qt::AlignHorizontal_Mask;
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect room = item.rect.adjusted(margin, 0, -margin, 0);
    const QStaticText* text = laidOut(item.text, item.font);
    if ((item.state & QStyle::State_HasFocus) ||
        item.features != QStyleOptionViewItem::HasDisplay ||
        (across != Qt::AlignLeft && across != Qt::AlignRight) ||
        (item.displayAlignment & Qt::AlignVertical_Mask) != Qt::AlignVCenter ||
        text->size().width() > room.width()) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &item, painter, view);
    QPalette::ColorGroup group =
        item.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(item.state & QStyle::State_Active)) {
      group = QPalette::Inactive;
    }
    painter->setPen(item.palette.color(
        group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    const qreal x =
        across == Qt::AlignRight ? room.right() + 1 - text->size().width() : room.left();
    const int height = item.fontMetrics.height();
    painter->drawStaticText(QPointF(x, room.top() + (room.height() - height) / 2), *text);
  }

 private:
  const QStaticText* laidOut(const QString& text, const QFont& font) const {
    // A hundred numbers and as many titles: kept while the font stays.
    if (font != font_ || texts_.size() > 1000) {
      texts_.clear();
      font_ = font;
    }
    auto it = texts_.find(text);
    if (it == texts_.end()) {
      QStaticText laid(text);
      laid.setTextFormat(Qt::PlainText);
      laid.prepare(QTransform(), font);
      it = texts_.insert(text, laid);
    }
    return &*it;
  }

  mutable QFont font_;
  mutable QHash<QString, QStaticText> texts_;
};
}  // namespace

LevelList::LevelList(QWidget* parent) : QTableWidget(parent) {
  setObjectName("levelList");
  setItemDelegate(new LevelRowDelegate(this));
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

void LevelList::markErrors(const std::vector<bool>& levelHasError) {
  // A red dot, drawn once.
  static const QIcon mark = [] {
    QPixmap dot(10, 10);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(210, 30, 30));
    painter.drawEllipse(1, 1, 8, 8);
    return QIcon(dot);
  }();
  const QSignalBlocker quiet(this);
  for (int row = 0; row < rowCount(); ++row) {
    const bool marked = static_cast<std::size_t>(row) < levelHasError.size() &&
                        levelHasError[static_cast<std::size_t>(row)];
    if (marked == hasErrorMark(row)) continue;
    QTableWidgetItem* title = item(row, 1);
    title->setIcon(marked ? mark : QIcon());
    title->setToolTip(marked ? "This level has errors: see View, Problems" : QString());
  }
}

bool LevelList::hasErrorMark(int levelNumber) const {
  const QTableWidgetItem* title = item(levelNumber, 1);
  return title && !title->icon().isNull();
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
