#include "app/editing_area.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/level_view.h"

namespace pyrovel::app {

EditingArea::EditingArea(const Levelmap* map, const SpriteStrip* strip, QWidget* parent)
    : QStackedWidget(parent) {
  setObjectName("centralPages");
  editingPage_ = new QWidget(this);
  editingPage_->setObjectName("editingArea");
  auto* layout = new QVBoxLayout(editingPage_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* bars = new QHBoxLayout;
  bars->setContentsMargins(0, 0, 0, 0);
  auto* notePanel = new QFrame(editingPage_);
  notePanel_ = notePanel;
  notePanel->setObjectName("infoPanel");
  notePanel->setFrameShape(QFrame::StyledPanel);
  auto* note = new QHBoxLayout(notePanel);
  note->setContentsMargins(6, 2, 2, 2);
  noteText_ = new QLabel(notePanel);
  noteText_->setObjectName("infoLabel");
  noteText_->setTextFormat(Qt::PlainText);
  noteText_->setWordWrap(true);
  auto* closeNote = new QToolButton(notePanel);
  closeNote->setObjectName("infoClose");
  closeNote->setText("x");
  closeNote->setAutoRaise(true);
  closeNote->setToolTip("Hide this note");
  connect(closeNote, &QToolButton::clicked, notePanel, &QWidget::hide);
  note->addWidget(noteText_, 1);
  note->addWidget(closeNote);
  notePanel->hide();
  bars->addWidget(notePanel, 1);
  layout->addLayout(bars);

  caption_ = new QFrame(editingPage_);
  caption_->setObjectName("levelCaption");
  auto* captionLayout = new QHBoxLayout(caption_);
  captionLayout->setContentsMargins(6, 2, 6, 2);
  captionText_ = new QLabel(caption_);
  captionText_->setObjectName("levelCaptionText");
  captionText_->setTextFormat(Qt::PlainText);
  QFont bold = captionText_->font();
  bold.setBold(true);
  captionText_->setFont(bold);
  captionLayout->addWidget(captionText_);
  layout->addWidget(caption_);

  view_ = new LevelView;
  scroll_ = new LevelScrollBox(view_, editingPage_);
  view_->setSource(map, strip);
  layout->addWidget(scroll_, 1);
  addWidget(editingPage_);
  auto* emptyPage = new QWidget(this);
  emptyPage->setObjectName("editingAreaHidden");
  addWidget(emptyPage);
}

void EditingArea::showReaderNote(const QString& note) {
  // The same note again (another edit of the level) stays closed when the
  // user closed it.
  if (note == noteText_->text()) return;
  noteText_->setText(note);
  notePanel_->setVisible(!note.isEmpty());
}

void EditingArea::setCaption(const QString& caption) {
  captionText_->setText(caption);
}

void EditingArea::setEditingHidden(bool hidden) {
  setCurrentIndex(hidden ? 1 : 0);
  emit editingHiddenChanged(hidden);
}

bool EditingArea::editingHidden() const {
  return currentWidget() != editingPage_;
}

void EditingArea::setFullScreenLook(bool fullScreen) {
  caption_->setVisible(!fullScreen);
  scroll_->setFrameShape(fullScreen ? QFrame::NoFrame : QFrame::StyledPanel);
}

void EditingArea::showPanel(QWidget* panel) {
  // During start-up (a file from the command line) the window has no place
  // on the screen yet: show the panel once it has.
  if (!window()->isVisible()) {
    QTimer::singleShot(0, this, [this, panel] {
      if (window()->isVisible()) showPanel(panel);
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

}  // namespace pyrovel::app
