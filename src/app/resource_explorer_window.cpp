#include "app/resource_explorer_window.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <array>
#include <exception>

#include "app/dialogs.h"
#include "app/icons.h"
#include "app/text_codec.h"
#include "model/editor_session.h"
#include "model/file_io.h"

namespace pyrovel::app {

namespace {

constexpr int kEntryRole = Qt::UserRole;
constexpr int kPictureRole = Qt::UserRole + 1;  // the ResourcePicture shown, for tests

// The glyph of each ResourcePicture, in the enum's order.
constexpr std::array kPictureGlyphs{
    Glyph::ResourceFolder,  Glyph::ResourceCave, Glyph::ResourceLevelset,
    Glyph::ResourceBitmap,  Glyph::ResourceIcon, Glyph::ResourceCursor,
    Glyph::ResourceStrings, Glyph::ResourceMenu, Glyph::ResourceData,
};
static_assert(kPictureGlyphs.size() == static_cast<std::size_t>(ResourcePicture::Data) + 1);

QIcon pictureIcon(ResourcePicture picture) {
  return glyphIcon(kPictureGlyphs[static_cast<std::size_t>(picture)]);
}
constexpr std::size_t kHexBytesShown = 4096;

std::uint32_t typeNumber(const ResourceNode& type) {
  return type.key.name ? 0 : type.key.id;
}

bool isGroupType(const ResourceNode& type) {
  return !type.key.name && (type.key.id == kResIcon || type.key.id == kResCursor);
}

QStringList toLines(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines) out << fromRecordText(line);
  return out;
}

// Sixteen bytes a line with their offset, printable ones beside.
QStringList hexLines(const Bytes& bytes) {
  QStringList lines;
  const std::size_t shown = std::min(bytes.size(), kHexBytesShown);
  for (std::size_t at = 0; at < shown; at += 16) {
    QString hex, text;
    for (std::size_t i = at; i < at + 16; ++i) {
      if (i < shown) {
        hex += QString("%1 ").arg(bytes[i], 2, 16, QChar('0'));
        text += bytes[i] >= 32 && bytes[i] < 127 ? QChar(bytes[i]) : QChar('.');
      } else {
        hex += "   ";
      }
    }
    lines << QString("%1  %2 %3").arg(at, 6, 16, QChar('0')).arg(hex, text);
  }
  if (shown < bytes.size()) lines << QString("... %1 bytes in all").arg(bytes.size());
  return lines;
}

}  // namespace

ResourceExplorerWindow::ResourceExplorerWindow(EditorSession& session, Dialogs* dialogs,
                                               QWidget* parent)
    : QMainWindow(parent), session_(session), dialogs_(dialogs) {
  setWindowFlag(Qt::Window);
  setObjectName("resourceExplorerWindow");
  setWindowTitle("Resource Explorer");

  auto* file = menuBar()->addMenu("&File");
  file->addAction("&Open...", this, &ResourceExplorerWindow::openExecutable)
      ->setObjectName("openAction");
  file->addAction("&Save Resource...", this, &ResourceExplorerWindow::saveExecutable)
      ->setObjectName("saveAction");
  file->addSeparator();
  file->addAction("E&xit", this, &QWidget::close)->setObjectName("exitAction");

  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  auto* bar = new QHBoxLayout;
  appendLevelset_ = new QCheckBox("Append", central);
  appendLevelset_->setObjectName("appendLevelset");
  appendLevelset_->setToolTip("Put a levelset from the current level on instead of from level 0");
  bar->addWidget(appendLevelset_);
  auto* assignNames = new QPushButton("Assign Names", central);
  assignNames->setObjectName("assignNamesButton");
  assignNames->setToolTip("Name the levelset resources from the string tables");
  bar->addWidget(assignNames);
  bar->addStretch(1);
  column->addLayout(bar);

  auto* split = new QSplitter(Qt::Horizontal, central);
  treeView_ = new QTreeWidget(split);
  treeView_->setObjectName("resourceTree");
  treeView_->setHeaderHidden(true);
  auto* right = new QSplitter(Qt::Vertical, split);
  details_ = new QStackedWidget(right);
  details_->setObjectName("detailsPanel");
  text_ = new QPlainTextEdit(details_);
  text_->setObjectName("details");
  text_->setReadOnly(true);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  details_->addWidget(text_);
  picture_ = new QLabel(details_);
  picture_->setObjectName("picture");
  picture_->setAlignment(Qt::AlignCenter);
  details_->addWidget(picture_);
  strings_ = new QListWidget(right);
  strings_->setObjectName("strings");
  strings_->setToolTip("The lines of the string tables");
  split->setStretchFactor(1, 2);
  column->addWidget(split, 1);
  setCentralWidget(central);

  status_ = new QLabel(this);
  status_->setObjectName("status");
  statusBar()->addPermanentWidget(status_);

  connect(assignNames, &QPushButton::clicked, this, &ResourceExplorerWindow::nameGamesFromStrings);
  connect(treeView_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { showResource(item); });
  resize(640, 480);
}

ResourceExplorerWindow::~ResourceExplorerWindow() = default;

void ResourceExplorerWindow::openExecutable() {
  const std::optional<QString> path = dialogsOr(dialogs_).chooseExecutable(this, lastFolder_);
  if (!path) return;
  lastFolder_ = QFileInfo(*path).absolutePath();
  openImage(*path);
}

bool ResourceExplorerWindow::openImage(const QString& path) {
  try {
    PeResources loaded = PeResources::load(path.toStdString());
    // The tree points into the image: let go of it before the image goes.
    treeView_->clear();
    entries_.clear();
    pe_ = std::move(loaded);
  } catch (const std::exception& e) {
    error(fromStd(e.what()));
    return false;
  }
  buildTree();
  setWindowTitle(QString("%1 - %2").arg("Resource Explorer", QFileInfo(path).fileName().toLower()));
  return true;
}

void ResourceExplorerWindow::buildTree() {
  const QSignalBlocker quiet(treeView_);
  treeView_->clear();
  entries_.clear();
  strings_->clear();
  text_->clear();
  picture_->clear();
  details_->setCurrentWidget(text_);
  statusBar()->clearMessage();
  status_->clear();
  if (!pe_) return;
  const std::vector<const ResourceNode*> types = pe_->tree();
  for (const ResourceNode* type : types) {
    QTreeWidgetItem* item = addItem(nullptr, fromRecordText(resourceTypeName(type->key)),
                                    {type, type, {}, false}, ResourcePicture::Folder);
    addChildren(item, *type, *type);
  }
  try {
    for (const std::string& line : collectStringLines(*pe_))
      strings_->addItem(fromRecordText(line));
  } catch (const std::exception& e) {
    statusBar()->showMessage(fromStd(e.what()));
  }
  if (treeView_->topLevelItemCount() > 0) {
    treeView_->setCurrentItem(treeView_->topLevelItem(0));
    status_->setText(fromStd(resourceStatusText(*types.front())));
  }
}

void ResourceExplorerWindow::addChildren(QTreeWidgetItem* parent, const ResourceNode& node,
                                         const ResourceNode& type) {
  for (const ResourceNode& child : node.children) {
    const QString text = fromRecordText(child.key.text());
    if (child.isList()) {
      addChildren(addItem(parent, text, {&child, &type, {}, false}, ResourcePicture::Folder), child,
                  type);
      continue;
    }
    const bool group = isGroupType(type);
    QTreeWidgetItem* item =
        addItem(parent, text, {&child, &type, {}, false}, resourcePicture(type.key, group, false));
    const ResourceData* resource = child.leafData();
    if (!group || !resource) continue;
    const bool cursor = type.key.id == kResCursor;
    try {
      for (const IconGroupEntry& image : pe_->iconGroup(*resource, cursor)) {
        const ResourceData* found = pe_->iconImage(image.imageId, cursor);
        if (!found) continue;
        addItem(item, fromStd(image.displayName), {nullptr, &type, *found, cursor},
                resourcePicture(type.key, false, true));
      }
    } catch (const std::exception&) {
      // A damaged group shows no images; its bytes can still be saved.
    }
  }
}

QTreeWidgetItem* ResourceExplorerWindow::addItem(QTreeWidgetItem* parent, const QString& text,
                                                 Entry entry, ResourcePicture picture) {
  auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(treeView_);
  item->setText(0, text);
  item->setData(0, kEntryRole, static_cast<int>(entries_.size()));
  item->setData(0, kPictureRole, static_cast<int>(picture));
  item->setIcon(0, pictureIcon(picture));
  entries_.push_back(std::move(entry));
  return item;
}

const ResourceExplorerWindow::Entry* ResourceExplorerWindow::entryOf(QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  const int index = item->data(0, kEntryRole).toInt();
  if (index < 0 || static_cast<std::size_t>(index) >= entries_.size()) return nullptr;
  return &entries_[static_cast<std::size_t>(index)];
}

// The data a node stands for; none for a list.
const ResourceData* ResourceExplorerWindow::dataOf(const Entry& entry) const {
  if (entry.image) return &*entry.image;
  if (!entry.node || entry.node == entry.type || entry.node->isList()) return nullptr;
  return entry.node->leafData();
}

void ResourceExplorerWindow::showResource(QTreeWidgetItem* item) {
  const Entry* entry = entryOf(item);
  if (!entry || !pe_) return;
  statusBar()->clearMessage();
  const ResourceData* resource = dataOf(*entry);
  if (!resource) {
    status_->setText(fromStd(resourceStatusText(*entry->node)));
    return;
  }
  ResourceNode shown;
  shown.data = *resource;
  status_->setText(fromStd(resourceStatusText(shown)));
  showResource(*entry);
  if (!entry->node) return;
  try {
    if (importResource(session_, *pe_, *entry->type, *entry->node, appendLevelset_->isChecked()) !=
        ResourceLevelKind::None) {
      statusBar()->showMessage(
          QString("Imported into level %1").arg(session_.map.currentLevel - 1));
      emit levelsImported();
    }
  } catch (const std::exception& e) {
    error(fromStd(e.what()));
  }
}

void ResourceExplorerWindow::showResource(const Entry& entry) {
  const ResourceData* resource = dataOf(entry);
  const std::string& file = pe_->path();
  try {
    const Bytes bytes = pe_->bytes(*resource);
    const std::uint32_t type = typeNumber(*entry.type);
    QPixmap picture;
    if (entry.image) {
      const Bytes ico = iconFile(bytes, entry.cursor, file).bytes;
      picture.loadFromData(ico.data(), static_cast<uint>(ico.size()));
    } else if (type == kResBitmap) {
      const Bytes bmp = bitmapFile(bytes);
      picture.loadFromData(bmp.data(), static_cast<uint>(bmp.size()), "BMP");
    } else if (type == kResString) {
      showText(toLines(stringTableLines(bytes, entry.node->key.id, file)));
      return;
    } else if (type == kResMenu) {
      showText(toLines(menuLines(bytes, file)));
      return;
    }
    if (!picture.isNull()) {
      picture_->setPixmap(picture);
      details_->setCurrentWidget(picture_);
      return;
    }
    showText(hexLines(bytes));
  } catch (const std::exception& e) {
    showText({fromStd(e.what())});
  }
}

void ResourceExplorerWindow::showText(const QStringList& lines) {
  text_->setPlainText(lines.join('\n'));
  details_->setCurrentWidget(text_);
}

void ResourceExplorerWindow::saveExecutable() {
  const Entry* entry = entryOf(treeView_->currentItem());
  const ResourceData* resource = entry && pe_ ? dataOf(*entry) : nullptr;
  if (!resource) {
    error("No resource selected");
    return;
  }
  int filterIndex = 1;
  if (entry->image) {
    filterIndex = entry->cursor ? 4 : 3;
  } else if (typeNumber(*entry->type) == kResBitmap) {
    filterIndex = 2;
  }
  const std::optional<QString> path =
      dialogsOr(dialogs_).chooseResourceSave(this, lastFolder_, filterIndex);
  if (!path) return;
  try {
    if (entry->node) {
      saveResource(*pe_, entry->node, path->toStdString());
    } else {
      writeFileAtomically(path->toStdString(), pe_->bytes(*resource));
    }
  } catch (const std::exception& e) {
    error(fromStd(e.what()));
  }
}

void ResourceExplorerWindow::nameGamesFromStrings() {
  QTreeWidgetItem* games = nullptr;
  for (int i = 0; i < treeView_->topLevelItemCount() && !games; ++i) {
    if (treeView_->topLevelItem(i)->text(0) == "BDGAME") games = treeView_->topLevelItem(i);
  }
  if (!games) return;
  std::vector<std::string> names, lines;
  for (int i = 0; i < games->childCount(); ++i)
    names.push_back(toRecordText(games->child(i)->text(0)));
  for (int i = 0; i < strings_->count(); ++i)
    lines.push_back(toRecordText(strings_->item(i)->text()));
  assignLevelsetNames(names, lines);
  for (int i = 0; i < games->childCount(); ++i) {
    games->child(i)->setText(0, fromRecordText(names[static_cast<std::size_t>(i)]));
  }
  strings_->clear();
  for (const std::string& line : lines) strings_->addItem(fromRecordText(line));
}

void ResourceExplorerWindow::error(const QString& text) {
  dialogsOr(dialogs_).error(this, text);
}

}  // namespace pyrovel::app
