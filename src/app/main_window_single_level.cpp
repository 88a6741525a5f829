// The main window's "Import level" and "Export Level".
#include <QPlainTextEdit>

#include "app/develop_panel.h"
#include "app/dialogs.h"
#include "app/main_window.h"
#include "app/text_codec.h"
#include "editor/single_level_io.h"

namespace pyrovel::app {

void MainWindow::importLevel() {
  const auto choice = frontend_.dialogs().chooseImportLevels(this, settings_.openFolder());
  if (!choice) return;
  std::vector<std::string> paths;
  for (const QString& p : choice->paths) paths.push_back(p.toStdString());

  LevelImportOptions options;
  options.computerName = settings_.computerName().toStdString();
  // The development page's switches for the Construction Kit's unknown bytes.
  UnknownByteView& view = options.unknownBytes;
  view.viewUnknown = panels_.develop->viewUnknown();
  view.clearInBetween = panels_.develop->clearInBetween();
  view.viewOnly = panels_.develop->viewOnly();
  view.show = [this](bool clearFirst, const std::vector<std::string>& lines) {
    if (clearFirst) panels_.develop->memo()->clear();
    for (const std::string& line : lines) panels_.develop->memo()->appendPlainText(fromStd(line));
  };
  guarded([&] { pyrovel::importLevel(session_, choice->filterIndex, paths, options); });
}

void MainWindow::exportLevel() {
  const QString proposed = fromRecordText(proposedExportName(session_.map));
  const auto choice = frontend_.dialogs().chooseExportLevel(this, settings_.openFolder(), proposed);
  if (!choice) return;
  guarded([&] {
    pyrovel::exportLevel(session_.map, choice->filterIndex, choice->path.toStdString());
  });
  // The Emerald Mine writers wall off the cells beyond a smaller level.
  refresh(kCellsChanged);
}

}  // namespace pyrovel::app
