// The main window's own message boxes with a caption, and the menu entries
// that open text files in the desktop's editor.
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "editor/player_folders.h"

namespace pyrovel::app {

void MainWindow::captionedMessage(const QString& caption, const QString& text) {
  // The shared dialogs know one caption; tests that bring their own see the text.
  if (ownDialogs_) {
    QMessageBox::information(this, caption, text);
  } else {
    dialogs_->inform(this, text);
  }
}

void MainWindow::editTextFile(const QString& folder, const QString& name) {
  const auto found = findFileNoCase(folder.toStdString(), name.toStdString());
  const QString path = found ? QString::fromStdString(*found) : QDir(folder).filePath(name);
  if (!found) {
    inform((path + " was not found.").toStdString());
    return;
  }
  const bool opened = options_.openDocument ? options_.openDocument(path)
                                            : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  if (!opened) inform(("No program was found to open " + path + ".").toStdString());
}

void MainWindow::openHelp() {
  if (dialogs_->ask(this,
                    "Sorry, Help is not yet available in the beta-version. Do you want to read the "
                    "readme.txt ?",
                    false) != Answer::Yes) {
    return;
  }
  editTextFile(settings_.programDir(), "EditorReadme.txt");
}

}  // namespace pyrovel::app
