#pragma once
// `D64BrowserWindow`, "D64": browses a Commodore 64 disk image. Lists the files of
// its directory, shows a file as text, saves files to the host disk and
// imports a Construction Kit cave (".cav") or intermission (".int") into the
// current level on a double click or the pop-up menu's "Import". What it shows comes from
// D64Browser.
#include "app/disk_image_window.h"
#include "import/d64_browser.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace pyrovel::app {

class D64BrowserWindow : public DiskImageWindow {
  Q_OBJECT
 public:
  // `dialogs` shows errors; null means message boxes.
  D64BrowserWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent = nullptr);
  ~D64BrowserWindow() override;

  const D64Browser& browser() const { return browser_; }
  // Opens an image without the dialog; false (after the error message)
  // when it cannot be read.
  bool openImage(const QString& path);

  // "Open D64 Image" (also when the window is shown).
  void openChosenImage();
  // "Save file": the selected file through the save dialog.
  void saveFile();
  // "View as ASCII": the selected file in the text panel.
  void showAsAscii();
  // A double click on a file: it becomes current and a cave is imported.
  void importFile(int index);
  // The note about the import in the side panel.
  void showNote();
  void closeSidePanel();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* makeListPanel();
  QWidget* makeSidePanel(const char* name, const QString& caption, QPlainTextEdit* memo);
  void openSidePanel(QWidget* panel);
  // The text panel, when it is open, shows the selected file.
  void refreshTextPanel();
  int selectedIndex() const;
  D64Browser browser_;

  QWidget* listPanel_;
  QLabel* imageTitle_;
  QListWidget* filenames_;
  QPlainTextEdit* fileView_;
  QPlainTextEdit* noteView_;
  QWidget* viewPanel_;
  QWidget* notePanel_;
  int widthBeforeSidePanel_ = 0;
};

}  // namespace pyrovel::app
