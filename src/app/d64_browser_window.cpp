#include "app/d64_browser_window.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/controls.h"
#include "app/text_codec.h"
#include "model/editor_session.h"

namespace pyrovel::app {

namespace {

constexpr int kSidePanelWidth = 420;
constexpr int kSideGap = 6;

const char* const kImportNote =
    "Opening a .d64 file lists the files on the disk.\n\n"
    "Clicking a *.cav or *.int file imports that Boulder Dash level into the "
    "editor at the current level position.\n\n"
    "All level data of that level will be overwritten.";

}  // namespace

D64BrowserWindow::D64BrowserWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent)
    : DiskImageWindow(session, dialogs, parent, "Open D64 Image",
                      "C64 disk image (*.d64 *.D64);;All files (*)", "Save file") {
  setObjectName("d64BrowserWindow");
  setWindowTitle("D64");

  auto* file = menuBar()->addMenu("&File");
  file->addAction("Open D64 Image", this, &D64BrowserWindow::openChosenImage)
      ->setObjectName("openImageAction");
  QAction* save1 = file->addAction("Save file", this, &D64BrowserWindow::saveFile);
  save1->setObjectName("saveFileAction");
  file->addSeparator();
  file->addAction("Exit", this, &QWidget::close)->setObjectName("exitAction");
  auto* help = menuBar()->addMenu("&Help");
  help->addAction("Note about the .d64 import", this, &D64BrowserWindow::showNote)
      ->setObjectName("importNoteAction");

  auto* central = new QWidget(this);
  auto* row = new QHBoxLayout(central);
  row->setSpacing(kSideGap);
  listPanel_ = makeListPanel();
  row->addWidget(listPanel_, 1);
  fileView_ = new QPlainTextEdit(central);
  fileView_->setObjectName("fileView");
  viewPanel_ = makeSidePanel("Memopanel", "Ascii Display", fileView_);
  fileView_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  fileView_->setLineWrapMode(QPlainTextEdit::NoWrap);
  row->addWidget(viewPanel_);
  noteView_ = new QPlainTextEdit(central);
  noteView_->setObjectName("noteView");
  noteView_->setPlainText(kImportNote);
  notePanel_ = makeSidePanel("notePanel", "Note about the .d64 import", noteView_);
  row->addWidget(notePanel_);
  viewPanel_->hide();
  notePanel_->hide();
  setCentralWidget(central);
  statusBar();

  // The pop-up menu of the file list.
  auto* popup = new QMenu(this);
  popup->setObjectName("fileMenu");
  popup->addAction("Import", this, [this] { importFile(selectedIndex()); })
      ->setObjectName("importPopupAction");
  popup->addAction("Save file", this, &D64BrowserWindow::saveFile)
      ->setObjectName("saveFilePopupAction");
  popup->addAction("View as ASCII", this, &D64BrowserWindow::showAsAscii)
      ->setObjectName("viewAsAsciiAction");
  filenames_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(filenames_, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint& at) {
    if (filenames_->itemAt(at)) popup->popup(filenames_->viewport()->mapToGlobal(at));
  });
  resize(360, 520);
}

D64BrowserWindow::~D64BrowserWindow() = default;

QWidget* D64BrowserWindow::makeListPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName("listPanel");
  panel->setMinimumWidth(240);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  imageTitle_ = plainLabel("Title:", panel);
  imageTitle_->setObjectName("imageTitle");
  imageTitle_->setFrameShape(QFrame::StyledPanel);
  column->addWidget(imageTitle_);
  filenames_ = new QListWidget(panel);
  filenames_->setObjectName("fileNames");
  filenames_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  column->addWidget(filenames_, 1);
  // A click selects, a double click imports: browsing never changes a level.
  connect(filenames_, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { importFile(filenames_->row(item)); });
  // An open text panel follows the selection.
  connect(filenames_, &QListWidget::currentRowChanged, this, [this] { refreshTextPanel(); });
  return panel;
}

QWidget* D64BrowserWindow::makeSidePanel(const char* name, const QString& caption,
                                         QPlainTextEdit* memo) {
  auto* panel = new QFrame(this);
  panel->setObjectName(name);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setFixedWidth(kSidePanelWidth);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(4, 4, 4, 4);
  auto* bar = new QHBoxLayout;
  auto* title = new QLabel(caption, panel);
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  bar->addWidget(title, 1);
  auto* close = new QToolButton(panel);
  close->setObjectName("closeNoteButton");
  close->setText("X");
  close->setToolTip("Close");
  close->setAutoRaise(true);
  bar->addWidget(close);
  column->addLayout(bar);
  memo->setParent(panel);
  memo->setReadOnly(true);
  column->addWidget(memo, 1);
  connect(close, &QToolButton::clicked, this, &D64BrowserWindow::closeSidePanel);
  return panel;
}

void D64BrowserWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Showing the window asks for an image, once the window is on the screen.
  if (!event->spontaneous()) QTimer::singleShot(0, this, &D64BrowserWindow::openChosenImage);
}

bool D64BrowserWindow::openImage(const QString& path) {
  try {
    browser_.openImage(path.toStdString());
  } catch (const std::exception& e) {
    error(e);
    return false;
  }
  imageTitle_->setText("Title: " + fromStd(browser_.title()));
  setWindowTitle(QString("D64 - %1").arg(QFileInfo(path).fileName()));
  filenames_->clear();
  const auto& directory = browser_.image().directory();
  for (const D64Entry& e : directory) {
    auto* item = new QListWidgetItem(fromStd(e.displayName()), filenames_);
    if (e.isUnused()) {
      item->setForeground(palette().brush(QPalette::Disabled, QPalette::Text));
      item->setToolTip("Empty directory slot");
    } else {
      item->setToolTip(QString("%1, %2 blocks").arg(fromStd(e.typeName())).arg(e.blocks));
    }
  }
  if (!browser_.image().notes().empty()) {
    statusBar()->showMessage(fromStd(browser_.image().notes().front()));
  } else {
    statusBar()->clearMessage();
  }
  return true;
}

void D64BrowserWindow::openChosenImage() {
  const auto path = chooseImage ? chooseImage() : std::nullopt;
  if (path) openImage(*path);
}

int D64BrowserWindow::selectedIndex() const {
  if (!browser_.isOpen()) return -1;
  return filenames_->currentRow();
}

void D64BrowserWindow::saveFile() {
  const int index = selectedIndex();
  if (index < 0) return;
  const auto path =
      chooseSaveFile ? chooseSaveFile(fromStd(browser_.proposedFileName(index))) : std::nullopt;
  if (!path) return;
  try {
    browser_.saveFile(index, path->toStdString());
  } catch (const std::exception& e) {
    error(e);
  }
}

void D64BrowserWindow::showAsAscii() {
  const int index = selectedIndex();
  if (index < 0) return;
  QString text;
  try {
    text = fromStd(browser_.viewasAscii(index));
  } catch (const std::exception& e) {
    error(e);
    return;
  }
  openSidePanel(viewPanel_);
  fileView_->setPlainText(text);
}

void D64BrowserWindow::refreshTextPanel() {
  if (viewPanel_->isHidden()) return;
  const int index = selectedIndex();
  if (index < 0) {
    fileView_->clear();
    return;
  }
  // A file that cannot be read says so in the panel: a mere change of
  // selection brings up no message box.
  try {
    fileView_->setPlainText(fromStd(browser_.viewasAscii(index)));
  } catch (const std::exception& e) {
    fileView_->setPlainText(fromStd(e.what()));
  }
}

void D64BrowserWindow::importFile(int index) {
  if (!browser_.isOpen() || index < 0) return;
  if (filenames_->currentRow() != index) filenames_->setCurrentRow(index);
  try {
    if (browser_.importFile(session_, index)) {
      statusBar()->showMessage(QString("%1 imported into level %2")
                                   .arg(fromStd(browser_.entry(index).displayName()))
                                   .arg(session_.map.currentLevel - 1));
    }
  } catch (const std::exception& e) {
    error(e);
  }
  refreshTextPanel();
}

void D64BrowserWindow::showNote() {
  openSidePanel(notePanel_);
}

void D64BrowserWindow::openSidePanel(QWidget* panel) {
  QWidget* other = panel == viewPanel_ ? notePanel_ : viewPanel_;
  if (!panel->isHidden()) return;
  if (!other->isHidden()) {
    other->hide();
    panel->show();
    return;
  }
  widthBeforeSidePanel_ = width();
  panel->show();
  resize(listPanel_->width() + kSidePanelWidth + kSideGap +
             centralWidget()->layout()->contentsMargins().left() +
             centralWidget()->layout()->contentsMargins().right(),
         height());
}

void D64BrowserWindow::closeSidePanel() {
  if (viewPanel_->isHidden() && notePanel_->isHidden()) return;
  viewPanel_->hide();
  notePanel_->hide();
  if (widthBeforeSidePanel_ > 0) resize(widthBeforeSidePanel_, height());
}

}  // namespace pyrovel::app
