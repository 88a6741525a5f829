#include "app/dialogs.h"

#include <QApplication>
#include <algorithm>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>

#include "app/export_level_dialog.h"
#include "app/import_level_dialog.h"
#include "editor/levelset_formats.h"
#include "editor/single_level_io.h"
#include "import/import_filters.h"

namespace pyrovel::app {

namespace {

QString caption() {
  return QApplication::applicationDisplayName();
}

// "name|patterns|..." as Qt name filters; "*.*" means every file, also
// those without a dot in their names.
QStringList nameFilters(const std::string& filterText) {
  const QStringList parts = QString::fromStdString(filterText).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts.at(i + 1);
    patterns.replace(';', ' ');
    if (patterns == "*.*") patterns = "*";
    filters << parts.at(i) + " (" + patterns + ")";
  }
  return filters;
}

}  // namespace

namespace {
QStringList toQStrings(const std::vector<std::string>& texts) {
  QStringList out;
  for (const std::string& t : texts) out << QString::fromStdString(t);
  return out;
}
}  // namespace

QStringList openFileTypes() {
  return toQStrings(openDialogFilters()) << "All files (*)";
}

QStringList saveAsFileTypes() {
  return toQStrings(saveDialogFilters());
}

QStringList imageLibraryFileTypes() {
  return {"Image Library (.iml) (*.iml)", "All Files (*)"};
}

QStringList levelImportFileTypes() {
  return nameFilters(importFilterText());
}
QStringList levelExportFileTypes() {
  return nameFilters(exportFilterText());
}

Answer QtDialogs::ask(QWidget* parent, const QString& question, bool withCancel) {
  QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
  if (withCancel) buttons |= QMessageBox::Cancel;
  const auto choice = QMessageBox::question(parent, caption(), question, buttons,
                                            withCancel ? QMessageBox::Cancel : QMessageBox::No);
  if (choice == QMessageBox::Yes) return Answer::Yes;
  if (choice == QMessageBox::No) return Answer::No;
  return withCancel ? Answer::Cancel : Answer::No;
}

void QtDialogs::inform(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, caption(), text);
}

void QtDialogs::error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, caption(), text);
}

std::optional<QString> QtDialogs::chooseOpenFile(QWidget* parent, const QString& folder,
                                                 bool append) {
  QFileDialog dialog(parent, append ? "Append levelset" : "Open levelset", folder);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(openFileTypes());
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

std::optional<Frontend::SaveAsChoice> QtDialogs::chooseSaveAs(QWidget* parent,
                                                              const QString& folder,
                                                              const QString& proposed) {
  QFileDialog dialog(parent, "Save Levelset As", folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(saveAsFileTypes());
  // The type of the proposed name is chosen with it. The file written gets
  // its type's extension, so the editor asks about replacing that file
  // itself, once it knows its name.
  const auto formats = writableFormats();
  const LevelsetFormat* proposedFormat = writerForName(proposed.toStdString());
  const auto proposedAt = std::find(formats.begin(), formats.end(), proposedFormat);
  if (proposedAt != formats.end()) {
    dialog.selectNameFilter(saveAsFileTypes().value(proposedAt - formats.begin()));
    dialog.setDefaultSuffix(QString::fromLatin1((*proposedAt)->saveExtension).mid(1));
  } else {
    dialog.setDefaultSuffix("map");
  }
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!proposed.isEmpty()) dialog.selectFile(QFileInfo(proposed).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  Frontend::SaveAsChoice choice;
  choice.path = dialog.selectedFiles().first().toStdString();
  const qsizetype chosen = saveAsFileTypes().indexOf(dialog.selectedNameFilter());
  if (chosen >= 0 && chosen < static_cast<qsizetype>(formats.size())) {
    choice.format = formats[static_cast<std::size_t>(chosen)]->key;
  }
  return choice;
}

std::optional<QString> QtDialogs::chooseImageLibrary(QWidget* parent, const QString& folder) {
  const QString path = QFileDialog::getOpenFileName(parent, "Load Image Library", folder,
                                                    imageLibraryFileTypes().join(";;"));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<LevelImportChoice> QtDialogs::chooseImportLevels(QWidget* parent,
                                                               const QString& folder) {
  ImportLevelDialog dialog(parent, folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return LevelImportChoice{dialog.filterIndex(), dialog.selectedFiles()};
}

std::optional<LevelExportChoice> QtDialogs::chooseExportLevel(QWidget* parent,
                                                              const QString& folder,
                                                              const QString& proposed) {
  ExportLevelDialog dialog(parent, folder, proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return LevelExportChoice{dialog.filterIndex(), dialog.selectedFiles().first()};
}

std::optional<PictureExportChoice> QtDialogs::choosePictureExport(QWidget* parent,
                                                                  const QString& folder,
                                                                  const QString& proposed) {
  const QString path = QFileDialog::getSaveFileName(
      parent, "Export Level Picture", QDir(folder).filePath(proposed), "PNG pictures (*.png)");
  if (path.isEmpty()) return std::nullopt;
  bool ok = false;
  // Up to 64 pixels: a 128-cell level is then already 8192 pixels wide.
  const int cell = QInputDialog::getInt(parent, "Export Level Picture", "Cell size in pixels:", 16,
                                        1, 64, 1, &ok);
  if (!ok) return std::nullopt;
  return PictureExportChoice{path.endsWith(".png", Qt::CaseInsensitive) ? path : path + ".png",
                             cell};
}

std::optional<QString> QtDialogs::chooseC64Dump(QWidget* parent, const QString& folder) {
  const QString path = QFileDialog::getOpenFileName(
      parent, "Open", folder,
      "C64 memory dumps and programs (*.ram *.RAM *.c64 *.C64 *.p?? *.P?? *.prg *.PRG);;"
      "All files (*)");
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtDialogs::chooseExecutable(QWidget* parent, const QString& folder) {
  const QString path = QFileDialog::getOpenFileName(
      parent, "Open", folder, "Executable File Images (*.EXE *.DLL *.exe *.dll);;All Files (*)");
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtDialogs::chooseResourceSave(QWidget* parent, const QString& folder,
                                                     int filterIndex) {
  const QStringList types{"Other Resource (*)", "Bitmaps (*.BMP *.bmp)", "Icons (*.ICO *.ico)",
                          "Cursor (*.CUR *.cur)"};
  QFileDialog dialog(parent, "Save Resource", folder);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(types);
  dialog.selectNameFilter(types.value(filterIndex - 1, types.first()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().first();
}

Dialogs& dialogsOr(Dialogs* dialogs) {
  static QtDialogs qtDialogs;
  return dialogs ? *dialogs : qtDialogs;
}

}  // namespace pyrovel::app
