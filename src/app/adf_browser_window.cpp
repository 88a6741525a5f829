#include "app/adf_browser_window.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/controls.h"
#include "app/text_codec.h"
#include "model/editor_session.h"

namespace pyrovel::app {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QToolButton* sideButton(QWidget* parent, const char* name, const QString& hint,
                        QStyle::StandardPixmap icon, const QString& text) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setToolTip(hint);
  b->setText(text);
  b->setIcon(parent->style()->standardIcon(icon));
  b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  b->setAutoRaise(true);
  return b;
}

QSpinBox* blockNumberEdit(QWidget* parent, const char* name) {
  return namedSpinEdit(parent, name, 0, kAdfHdBlockCount - 1);
}

constexpr int kBlockColumn = 1;
constexpr int kSizeColumn = 2;

}  // namespace

AdfBrowserWindow::AdfBrowserWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent)
    : DiskImageWindow(session, dialogs, parent, "Open adf image",
                      "Amiga disk image (*.adf *.ADF);;All files (*)", "Save Amiga Files") {
  setObjectName("adfBrowserWindow");
  setWindowTitle("ADF import");

  auto* file = menuBar()->addMenu("&File");
  auto* open1 = file->addAction("Open adf image", this, &AdfBrowserWindow::openChosenImage);
  open1->setObjectName("openImageAction");
  QAction* save = file->addAction("Save Amiga Files", this, &AdfBrowserWindow::saveEntries);
  save->setObjectName("saveFilesAction");
  auto* view = menuBar()->addMenu("&View");
  blockDumpAction_ = view->addAction("Show Block Dump");
  blockDumpAction_->setObjectName("blockDumpAction");
  blockDumpAction_->setCheckable(true);
  blockDumpAction_->setChecked(true);
  auto* search1 = view->addAction("Search");
  search1->setObjectName("searchAction");
  search1->setShortcut(QKeySequence::Find);

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  imageInfo_ = plainLabel("No image open", central);
  imageInfo_->setObjectName("imageInfo");
  imageInfo_->setFrameShape(QFrame::StyledPanel);
  imageInfo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  column->addWidget(imageInfo_);
  auto* splitter = new QSplitter(Qt::Horizontal, central);
  splitter->addWidget(makeListSide());
  blockDumpPanel_ = makeDumpPanel();
  splitter->addWidget(blockDumpPanel_);
  splitter->setStretchFactor(0, 1);
  splitter->setStretchFactor(1, 2);
  splitter->setChildrenCollapsible(false);
  splitter->setSizes({320, 660});
  column->addWidget(splitter, 1);
  searchPanel_ = makeSearchPanel();
  column->addWidget(searchPanel_);
  searchPanel_->hide();
  setCentralWidget(central);
  statusBar();

  connect(blockDumpAction_, &QAction::toggled, blockDumpPanel_, &QWidget::setVisible);
  connect(search1, &QAction::triggered, this, [this] {
    searchPanel_->show();
    searchText_->setFocus();
  });
  saveFilesAction_ = save;
  searchAction_ = search1;
  save->setEnabled(false);
  search1->setEnabled(false);
  resize(980, 620);
}

AdfBrowserWindow::~AdfBrowserWindow() = default;

QWidget* AdfBrowserWindow::makeListSide() {
  auto* side = new QWidget(this);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  auto* buttons = new QHBoxLayout;
  auto* up = sideButton(side, "previousFolderButton", "Previous folder",
                        QStyle::SP_FileDialogToParent, "Root folder");
  auto* large = sideButton(side, "largeIconsButton", "Large icons",
                           QStyle::SP_FileDialogContentsView, QString());
  auto* list = sideButton(side, "listViewButton", "List", QStyle::SP_FileDialogListView, QString());
  auto* report =
      sideButton(side, "reportViewButton", "Report", QStyle::SP_FileDialogDetailedView, QString());
  buttons->addWidget(up);
  buttons->addStretch(1);
  buttons->addWidget(large);
  buttons->addWidget(list);
  buttons->addWidget(report);
  column->addLayout(buttons);

  fileList_ = new QTreeWidget(side);
  fileList_->setObjectName("fileList");
  fileList_->setHeaderLabels({"Name", "Block", "Size"});
  fileList_->setRootIsDecorated(false);
  fileList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  fileList_->setUniformRowHeights(true);
  fileList_->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  fileList_->header()->setStretchLastSection(false);
  column->addWidget(fileList_, 1);
  setListStyle(ListStyle::Report);

  connect(up, &QToolButton::clicked, this, [this] {
    if (!browser_.isOpen()) return;
    browser_.previousFolder();
    showListing();
    showBlockView();
  });
  connect(large, &QToolButton::clicked, this, [this] { setListStyle(ListStyle::LargeIcons); });
  connect(list, &QToolButton::clicked, this, [this] { setListStyle(ListStyle::List); });
  connect(report, &QToolButton::clicked, this, [this] { setListStyle(ListStyle::Report); });
  connect(fileList_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (const AdfEntry* e = entryOf(item)) {
      browser_.click(*e);
      blockDetails_->setText(fromStd(browser_.details()));
    }
  });
  connect(fileList_, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item) { openEntry(item); });
  // The right button offers what the double click does.
  auto* popup = new QMenu(this);
  popup->setObjectName("entryMenu");
  QAction* importAction = popup->addAction("Import");
  importAction->setObjectName("importPopupAction");
  fileList_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(fileList_, &QWidget::customContextMenuRequested, this,
          [this, popup, importAction](const QPoint& at) {
            QTreeWidgetItem* item = fileList_->itemAt(at);
            const AdfEntry* entry = entryOf(item);
            if (!entry) return;
            fileList_->setCurrentItem(item);
            importAction->setText(entry->folder ? "Open" : "Import");
            if (popup->exec(fileList_->viewport()->mapToGlobal(at)) == importAction)
              openEntry(item);
          });
  return side;
}

QWidget* AdfBrowserWindow::makeDumpPanel() {
  auto* panel = new QWidget(this);
  panel->setObjectName("blockDumpPanel");
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  blockTitle_ = new QLabel(panel);
  blockTitle_->setObjectName("blockTitle");
  QFont bold = blockTitle_->font();
  bold.setBold(true);
  blockTitle_->setFont(bold);
  blockInfo_ = plainLabel({}, panel);
  blockInfo_->setObjectName("blockInfo");
  blockInfo_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  blockDetails_ = plainLabel({}, panel);
  blockDetails_->setObjectName("blockDetails");
  column->addWidget(blockTitle_);
  column->addWidget(blockInfo_);
  column->addWidget(blockDetails_);

  blockDump_ = new QPlainTextEdit(panel);
  blockDump_->setObjectName("blockDump");
  blockDump_->setReadOnly(true);
  blockDump_->setLineWrapMode(QPlainTextEdit::NoWrap);
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  blockDump_->setFont(fixed);
  // Wide enough for a whole dump line: offset, 16 hex bytes, 16 characters.
  blockDump_->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QString(73, 'M')) + 30);
  column->addWidget(blockDump_, 1);

  auto* row = new QHBoxLayout;
  auto* prev = button(panel, "previousBlockButton", "Prev");
  auto* next = button(panel, "nextBlockButton", "Next");
  blockNumber_ = blockNumberEdit(panel, "blockNumber");
  blockNumber_->setToolTip("Block number (shows the next block of a chain after each block)");
  auto* go = button(panel, "goToBlockButton", "Go");
  auto* root = button(panel, "rootBlockButton", "Root");
  root->setToolTip("Show the root block");
  row->addWidget(prev);
  row->addWidget(next);
  row->addSpacing(12);
  row->addWidget(new QLabel("Block:", panel));
  row->addWidget(blockNumber_);
  row->addWidget(go);
  row->addStretch(1);
  row->addWidget(root);
  column->addLayout(row);

  connect(prev, &QPushButton::clicked, this, [this] {
    if (!browser_.isOpen()) return;
    browser_.previousBlock();
    showBlockView();
  });
  connect(next, &QPushButton::clicked, this, [this] {
    if (!browser_.isOpen()) return;
    browser_.nextBlock();
    showBlockView();
  });
  connect(go, &QPushButton::clicked, this, [this] {
    if (!browser_.isOpen()) return;
    browser_.goToBlock(blockNumber_->value());
    showBlockView();
  });
  connect(root, &QPushButton::clicked, this, [this] {
    if (browser_.isOpen()) showBlock(browser_.image().rootBlock());
  });
  needImage_ << prev << next << go << root << blockNumber_;
  for (QWidget* w : needImage_) w->setEnabled(false);
  return panel;
}

QWidget* AdfBrowserWindow::makeSearchPanel() {
  auto* panel = new QFrame(this);
  panel->setObjectName("searchPanel");
  panel->setFrameShape(QFrame::StyledPanel);
  auto* row = new QHBoxLayout(panel);
  row->addWidget(new QLabel("Search for:", panel));
  searchText_ = new QLineEdit(panel);
  searchText_->setObjectName("searchText");
  row->addWidget(searchText_, 1);
  row->addWidget(new QLabel("start at block", panel));
  searchStart_ = blockNumberEdit(panel, "searchStart");
  row->addWidget(searchStart_);
  auto* go = button(panel, "searchButton", "Go");
  go->setDefault(true);
  row->addWidget(go);
  auto* close = new QToolButton(panel);
  close->setObjectName("closeSearchButton");
  close->setText("X");
  close->setToolTip("Close the search");
  close->setAutoRaise(true);
  row->addWidget(close);
  connect(go, &QPushButton::clicked, this, &AdfBrowserWindow::searchBlocks);
  connect(searchText_, &QLineEdit::returnPressed, this, &AdfBrowserWindow::searchBlocks);
  connect(close, &QToolButton::clicked, panel, &QWidget::hide);
  return panel;
}

void AdfBrowserWindow::setListStyle(ListStyle style) {
  const bool report = style == ListStyle::Report;
  fileList_->setHeaderHidden(!report);
  fileList_->setColumnHidden(kBlockColumn, !report);
  fileList_->setColumnHidden(kSizeColumn, !report);
  const int side = style == ListStyle::LargeIcons ? 32 : 16;
  fileList_->setIconSize(QSize(side, side));
}

bool AdfBrowserWindow::openImage(const QString& path) {
  try {
    browser_.openImage(path.toStdString());
  } catch (const std::exception& e) {
    error(e);
    return false;
  }
  imageInfo_->setText(fromRecordText(browser_.image().diskName()));
  imageInfo_->setToolTip(QFileInfo(path).fileName());
  setWindowTitle(QString("ADF import - %1").arg(QFileInfo(path).fileName()));
  for (QWidget* w : needImage_) w->setEnabled(true);
  saveFilesAction_->setEnabled(true);
  searchAction_->setEnabled(true);
  showListing();
  showBlockView();
  return true;
}

void AdfBrowserWindow::openChosenImage() {
  const auto path = chooseImage ? chooseImage() : std::nullopt;
  if (path) openImage(*path);
}

void AdfBrowserWindow::getdir(int block) {
  if (!browser_.isOpen()) return;
  browser_.getdir(block);
  showListing();
}

void AdfBrowserWindow::showBlock(int n) {
  if (!browser_.isOpen()) return;
  browser_.showBlock(n);
  showBlockView();
}

void AdfBrowserWindow::showListing() {
  fileList_->clear();
  const QIcon folder = style()->standardIcon(QStyle::SP_DirIcon);
  const QIcon file = style()->standardIcon(QStyle::SP_FileIcon);
  const auto& entries = browser_.listing();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const AdfEntry& e = entries[i];
    auto* item = new QTreeWidgetItem(fileList_);
    // A link shows what it stands for.
    item->setText(0, e.target.empty() ? fromRecordText(e.name)
                                      : fromRecordText(e.name) + " -> " + fromRecordText(e.target));
    item->setText(kBlockColumn, QString::number(e.block));
    const bool sized = !e.folder && e.kind != AdfEntryKind::SoftLink;
    item->setText(kSizeColumn, sized ? QString::number(e.size) : QString());
    item->setTextAlignment(kBlockColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(kSizeColumn, Qt::AlignRight | Qt::AlignVCenter);
    item->setIcon(0, e.folder ? folder : file);
    item->setData(0, Qt::UserRole, static_cast<int>(i));
  }
  fileList_->resizeColumnToContents(kBlockColumn);
  fileList_->resizeColumnToContents(kSizeColumn);
  if (!browser_.listingNotes().empty()) {
    QStringList notes;
    for (const auto& n : browser_.listingNotes()) notes << fromStd(n);
    fileList_->setToolTip(notes.join('\n'));
  } else {
    fileList_->setToolTip({});
  }
}

void AdfBrowserWindow::showBlockView() {
  const AdfBlockInfo& info = browser_.blockInfo();
  blockTitle_->setText(fromStd(info.label));
  blockInfo_->setText(fromStd(info.info));
  blockDetails_->setText(fromStd(browser_.details()));
  blockNumber_->setValue(info.nextBlock);
  blockDump_->setPlainText(fromStd(browser_.blockDump()));
}

const AdfEntry* AdfBrowserWindow::entryOf(QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  const int i = item->data(0, Qt::UserRole).toInt();
  const auto& entries = browser_.listing();
  if (i < 0 || i >= static_cast<int>(entries.size())) return nullptr;
  return &entries[static_cast<std::size_t>(i)];
}

void AdfBrowserWindow::saveEntries() {
  if (!browser_.isOpen()) return;
  std::vector<AdfEntry> chosen;
  for (int i = 0; i < fileList_->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = fileList_->topLevelItem(i);
    if (item->isSelected()) {
      if (const AdfEntry* e = entryOf(item)) chosen.push_back(*e);
    }
  }
  if (chosen.empty()) {
    report("Select the files to save first.");
    return;
  }
  const auto path =
      chooseSaveFile ? chooseSaveFile(fromRecordText(chosen.front().name)) : std::nullopt;
  if (!path) return;
  const std::string directory = QFileInfo(*path).absolutePath().toStdString();
  try {
    for (const AdfEntry& e : chosen) browser_.saveFile(e, directory);
  } catch (const std::exception& e) {
    error(e);
  }
  blockDetails_->setText(fromStd(browser_.details()));
}

void AdfBrowserWindow::searchBlocks() {
  if (!browser_.isOpen()) return;
  const QString text = searchText_->text();
  if (text.isEmpty()) {
    report("Type the text to search for.");
    return;
  }
  if (browser_.search(text.toStdString(), searchStart_->value())) {
    showBlockView();
  } else {
    report(text + " not found");
  }
}

void AdfBrowserWindow::openEntry(QTreeWidgetItem* item) {
  const AdfEntry* found = entryOf(item);
  if (!found) return;
  const AdfEntry entry = *found;  // the listing changes when a folder opens
  try {
    const auto opened = browser_.doubleClick(session_, entry);
    const QString name = fromRecordText(entry.name);
    if (opened == AdfBrowser::Opened::Level) {
      statusBar()->showMessage(
          QString("%1 imported into level %2").arg(name).arg(session_.map.currentLevel - 1));
    } else if (opened == AdfBrowser::Opened::NotALevel) {
      statusBar()->showMessage(QString("%1 is no Emerald Mine level").arg(name));
    }
  } catch (const std::exception& e) {
    error(e);
  }
  if (entry.folder) showListing();
  showBlockView();
}

}  // namespace pyrovel::app
