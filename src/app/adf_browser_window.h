#pragma once
// `AdfBrowserWindow`, "ADF import": browses an Amiga floppy image. Lists a directory
// of the image, shows any block as a hex dump with what the block is,
// searches the image for a text, saves files to the host disk and imports an
// Emerald Mine level into the current level with a double click. What it
// shows comes from AdfBrowser; the window only lays it out.
#include "app/disk_image_window.h"
#include "import/adf_browser.h"

class QAction;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace pyrovel::app {

class AdfBrowserWindow : public DiskImageWindow {
  Q_OBJECT
 public:
  // `dialogs` shows errors and messages; null means message boxes.
  AdfBrowserWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent = nullptr);
  ~AdfBrowserWindow() override;

  const AdfBrowser& browser() const { return browser_; }
  // Opens an image without the dialog; false (after the error message) when
  // it cannot be read.
  bool openImage(const QString& path);

  // "Open adf image".
  void openChosenImage();
  // "Save Amiga Files": the selected entries, in list order.
  void saveEntries();
  void showBlock(int n);
  void getdir(int block);
  void searchBlocks();  // the search's "Go"
  void openEntry(QTreeWidgetItem* item);

 private:
  enum class ListStyle { LargeIcons, List, Report };
  QWidget* makeListSide();
  QWidget* makeDumpPanel();
  QWidget* makeSearchPanel();
  void setListStyle(ListStyle style);
  void showListing();
  void showBlockView();
  const AdfEntry* entryOf(QTreeWidgetItem* item) const;
  AdfBrowser browser_;

  QAction* saveFilesAction_;
  QAction* blockDumpAction_;
  QAction* searchAction_;
  QLabel* imageInfo_;
  QTreeWidget* fileList_;
  QWidget* blockDumpPanel_;
  QLabel* blockTitle_;
  QLabel* blockInfo_;
  QLabel* blockDetails_;
  QPlainTextEdit* blockDump_;
  QSpinBox* blockNumber_;
  QWidget* searchPanel_;
  QLineEdit* searchText_;
  QSpinBox* searchStart_;
  QList<QWidget*> needImage_;
};

}  // namespace pyrovel::app
