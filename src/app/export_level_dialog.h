#pragma once
// The "Save Level" dialog of "Export Level": one file
// name and the format, chosen by filter index; asks before overwriting.
#include <QFileDialog>

namespace pyrovel::app {

class ExportLevelDialog : public QFileDialog {
  Q_OBJECT
 public:
  ExportLevelDialog(QWidget* parent, const QString& folder, const QString& proposed);
  // The chosen format, from 1.
  int filterIndex() const;
};

}  // namespace pyrovel::app
