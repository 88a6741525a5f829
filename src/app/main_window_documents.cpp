// The menu entries that open text files in the desktop's editor.
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "app/dialogs.h"
#include "app/main_window.h"
#include "editor/player_folders.h"

namespace pyrovel::app {

void MainWindow::editTextFile(const QString& folder, const QString& name) {
  const auto found = findFileNoCase(folder.toStdString(), name.toStdString());
  const QString path = found ? QString::fromStdString(*found) : QDir(folder).filePath(name);
  if (!found) {
    frontend_.inform((path + " was not found.").toStdString());
    return;
  }
  const bool opened = options_.openDocument ? options_.openDocument(path)
                                            : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  if (!opened) frontend_.inform(("No program was found to open " + path + ".").toStdString());
}

void MainWindow::openHelp() {
  if (frontend_.dialogs().ask(this,
                    "Sorry, Help is not yet available in the beta-version. Do you want to read the "
                    "readme.txt ?",
                    false) != Answer::Yes) {
    return;
  }
  editTextFile(settings_.programDir(), "EditorReadme.txt");
}

}  // namespace pyrovel::app
