#include "app/export_level_dialog.h"

#include "app/dialogs.h"

namespace pyrovel::app {

ExportLevelDialog::ExportLevelDialog(QWidget* parent, const QString& folder,
                                     const QString& proposed)
    : QFileDialog(parent, "Save Level", folder) {
  setObjectName("exportLevelDialog");
  setOption(QFileDialog::DontUseNativeDialog);
  setAcceptMode(QFileDialog::AcceptSave);
  setOption(QFileDialog::DontConfirmOverwrite, false);
  setDefaultSuffix("lev");
  setNameFilters(levelExportFileTypes());
  // A title may hold characters no file name can.
  QString name = proposed;
  name.replace('/', '_').replace('\\', '_');
  if (!name.isEmpty()) selectFile(name);
}

int ExportLevelDialog::filterIndex() const {
  return static_cast<int>(std::max<qsizetype>(0, nameFilters().indexOf(selectedNameFilter()))) + 1;
}

}  // namespace pyrovel::app
