#include "app/text_file_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "app/dialogs.h"
#include "app/window_frontend.h"
#include "editor/player_folders.h"

namespace pyrovel::app {

void TextFileOpener::open(const QString& folder, const QString& name) {
  const auto found = findFileNoCase(folder.toStdString(), name.toStdString());
  const QString path = found ? QString::fromStdString(*found) : QDir(folder).filePath(name);
  if (!found) {
    frontend_.inform((path + " was not found.").toStdString());
    return;
  }
  const bool opened =
      openDocument_ ? openDocument_(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  if (!opened) frontend_.inform(("No program was found to open " + path + ".").toStdString());
}

void TextFileOpener::openHelp(const QString& dataFolder) {
  open(dataFolder, kUserGuide);
}

}  // namespace pyrovel::app
