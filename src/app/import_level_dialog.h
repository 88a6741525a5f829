#pragma once
// The "Import Level" dialog: one or more files of one
// of the import file types, chosen by filter index.
#include <QFileDialog>

namespace pyrovel::app {

class ImportLevelDialog : public QFileDialog {
  Q_OBJECT
 public:
  ImportLevelDialog(QWidget* parent, const QString& folder);
  // The chosen file type, from 1.
  int filterIndex() const;
};

}  // namespace pyrovel::app
