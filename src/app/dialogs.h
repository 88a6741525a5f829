#pragma once
// The modal questions and file dialogs of the editor, behind one interface
// so that tests can answer them without a person.
#include <QString>
#include <QStringList>
#include <optional>

#include "model/frontend.h"

class QWidget;

namespace pyrovel::app {

// The open dialog's file types, in order (the dialog starts on the third).
QStringList openFileTypes();
// The save-as dialog's four file types: 1 game, 2 EM V4 / BD4, 3 EM V6, 4 BDCFF.
QStringList saveAsFileTypes();
// The "&Load Image Library" dialog's file types.
QStringList imageLibraryFileTypes();
// The "Import Level" and "Save Level" dialogs' file types, by filter index.
QStringList levelImportFileTypes();
QStringList levelExportFileTypes();

// What the "Import Level" dialog returns: the files in the dialog's order.
struct LevelImportChoice {
  int filterIndex = 1;
  QStringList paths;
};
// What the "Save Level" dialog returns.
struct LevelExportChoice {
  int filterIndex = 1;
  QString path;
};

// What "Export Level Picture" asks: the PNG file and the cell size.
struct PictureExportChoice {
  QString path;
  int cellSize = 16;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Answer ask(QWidget* parent, const QString& question, bool withCancel) = 0;
  virtual void inform(QWidget* parent, const QString& text) = 0;
  // The generic error report.
  virtual void error(QWidget* parent, const QString& text) = 0;
  virtual std::optional<QString> chooseOpenFile(QWidget* parent, const QString& folder,
                                                bool append) = 0;
  virtual std::optional<Frontend::SaveAsChoice> chooseSaveAs(QWidget* parent, const QString& folder,
                                                             const QString& proposed) = 0;
  virtual std::optional<QString> chooseImageLibrary(QWidget* parent, const QString& folder) = 0;
  // Nothing when cancelled.
  virtual std::optional<LevelImportChoice> chooseImportLevels(QWidget*, const QString&) {
    return std::nullopt;
  }
  virtual std::optional<LevelExportChoice> chooseExportLevel(QWidget*, const QString&,
                                                             const QString&) {
    return std::nullopt;
  }
  // The C64 converter's input: a memory dump or a C64 program file.
  virtual std::optional<QString> chooseC64Dump(QWidget*, const QString&) { return std::nullopt; }
  // The resource explorer's executable, and the file a resource is saved
  // to; `filterIndex` (1..4) is the file type the save dialog starts on.
  virtual std::optional<QString> chooseExecutable(QWidget*, const QString&) { return std::nullopt; }
  virtual std::optional<QString> chooseResourceSave(QWidget*, const QString&, int) {
    return std::nullopt;
  }
  virtual std::optional<PictureExportChoice> choosePictureExport(QWidget*, const QString&,
                                                                 const QString&) {
    return std::nullopt;
  }
};

// Message boxes and the Qt file dialogs.
class QtDialogs : public Dialogs {
 public:
  Answer ask(QWidget* parent, const QString& question, bool withCancel) override;
  void inform(QWidget* parent, const QString& text) override;
  void error(QWidget* parent, const QString& text) override;
  std::optional<QString> chooseOpenFile(QWidget* parent, const QString& folder,
                                        bool append) override;
  std::optional<Frontend::SaveAsChoice> chooseSaveAs(QWidget* parent, const QString& folder,
                                                     const QString& proposed) override;
  std::optional<QString> chooseImageLibrary(QWidget* parent, const QString& folder) override;
  std::optional<LevelImportChoice> chooseImportLevels(QWidget* parent,
                                                      const QString& folder) override;
  std::optional<LevelExportChoice> chooseExportLevel(QWidget* parent, const QString& folder,
                                                     const QString& proposed) override;
  std::optional<QString> chooseC64Dump(QWidget* parent, const QString& folder) override;
  std::optional<QString> chooseExecutable(QWidget* parent, const QString& folder) override;
  std::optional<QString> chooseResourceSave(QWidget* parent, const QString& folder,
                                            int filterIndex) override;
  std::optional<PictureExportChoice> choosePictureExport(QWidget* parent, const QString& folder,
                                                         const QString& proposed) override;
};

// `dialogs`, or message boxes and the Qt file dialogs when it is null.
Dialogs& dialogsOr(Dialogs* dialogs);

}  // namespace pyrovel::app
