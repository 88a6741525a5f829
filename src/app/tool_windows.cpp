#include "app/tool_windows.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/window_placement.h"

namespace pyrovel::app {

ToolWindow::ToolWindow(QWidget* owner, const char* objectName, const QString& caption)
    : QWidget(owner, Qt::Tool) {
  setObjectName(objectName);
  setWindowTitle(caption);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

MoveLevelPanel::MoveLevelPanel(QWidget* owner) : QDialog(owner) {
  setObjectName("moveLevelPanel");
  setWindowTitle("Move Level");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  label_ = new QLabel(this);
  label_->setObjectName("moveLevelLabel");
  target_ = new QSpinBox(this);
  target_->setObjectName("moveLevelNumber");
  target_->setRange(0, 99);
  auto* row = new QHBoxLayout;
  row->addWidget(label_);
  row->addWidget(target_);
  layout->addLayout(row);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName("moveLevelOk");
  buttons->button(QDialogButtonBox::Cancel)->setObjectName("moveLevelCancel");
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(this, &QDialog::accepted, this, [this] { emit moveConfirmed(target_->value()); });
}

void MoveLevelPanel::open(int levelNumber) {
  label_->setText("Move level " + QString::number(levelNumber) + " to:");
  target_->setValue(levelNumber);
  placeSecondaryWindow(this);
  QDialog::open();
  target_->setFocus();
  target_->selectAll();
}

ViewPanel::ViewPanel(QWidget* owner) : ToolWindow(owner, "viewPanel", " View") {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  leave_ = new QPushButton("Leave full screen", this);
  leave_->setObjectName("viewPanelButton");
  leave_->setToolTip("Back to the normal window (Ctrl+F)");
  layout->addWidget(leave_);
}

ConvertPanel::ConvertPanel(QWidget* owner) : ToolWindow(owner, "convertPanel", "Converting") {
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel("Converting Boulder Dash levels", this);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  layout->addWidget(title);
  layout->addWidget(new QLabel("Please Wait", this));
  gauge_ = new QProgressBar(this);
  gauge_->setObjectName("convertGauge");
  layout->addWidget(gauge_);
  levels_ = new QListWidget(this);
  levels_->setObjectName("convertedLevels");
  layout->addWidget(levels_, 1);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("convertOk");
  layout->addWidget(ok, 0, Qt::AlignRight);
  connect(ok, &QPushButton::clicked, this, [this] {
    hide();
    levels_->clear();
  });
  resize(393, 217);
}

void ConvertPanel::progress(int value, int max, const QString& label) {
  if (max <= 0) {
    hide();
    return;
  }
  // A new value would repaint the gauge at once, which costs a hundred times
  // a level of a fast reader: it is painted with the panel instead.
  gauge_->setUpdatesEnabled(false);
  gauge_->setRange(0, max);
  gauge_->setValue(value);
  gauge_->setUpdatesEnabled(true);
  if (!label.isEmpty() &&
      (levels_->count() == 0 || levels_->item(levels_->count() - 1)->text() != label)) {
    levels_->addItem(label);
    levels_->scrollToBottom();
  }
  // Long imports run on the interface thread: the panel paints as often as
  // an eye can follow it, first once it has been up that long, so that a
  // read of a moment does not flash it.
  if (!isVisible()) {
    show();
    lastPaint_.start();
  } else if (!lastPaint_.isValid() || lastPaint_.elapsed() >= kPaintEveryMs) {
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    lastPaint_.start();
  }
}

}  // namespace pyrovel::app
