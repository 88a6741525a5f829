#include "app/import_level_dialog.h"

#include "app/dialogs.h"

namespace pyrovel::app {

ImportLevelDialog::ImportLevelDialog(QWidget* parent, const QString& folder)
    : QFileDialog(parent, "Import Level", folder) {
  setObjectName("importLevelDialog");
  // Qt's own dialog on every desktop: the same look, and reachable by name.
  setOption(QFileDialog::DontUseNativeDialog);
  setFileMode(QFileDialog::ExistingFiles);
  setDefaultSuffix("lev");
  setNameFilters(levelImportFileTypes());
}

int ImportLevelDialog::filterIndex() const {
  return static_cast<int>(std::max<qsizetype>(0, nameFilters().indexOf(selectedNameFilter()))) + 1;
}

}  // namespace pyrovel::app
