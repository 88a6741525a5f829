#include "app/single_level_commands.h"

#include <QPlainTextEdit>

#include "app/develop_panel.h"
#include "app/dialogs.h"
#include "app/editor_settings.h"
#include "app/main_window.h"
#include "app/text_codec.h"
#include "app/window_frontend.h"
#include "editor/single_level_io.h"

namespace pyrovel::app {

void SingleLevelCommands::importLevels() {
  const auto choice =
      window_.frontend().dialogs().chooseImportLevels(&window_, window_.settings().openFolder());
  if (!choice) return;
  std::vector<std::string> paths;
  for (const QString& p : choice->paths) paths.push_back(p.toStdString());

  LevelImportOptions options;
  options.computerName = window_.settings().computerName().toStdString();
  // The development page's switches for the Construction Kit's unknown bytes.
  UnknownByteView& view = options.unknownBytes;
  view.viewUnknown = developPanel_->viewUnknown();
  view.clearInBetween = developPanel_->clearInBetween();
  view.viewOnly = developPanel_->viewOnly();
  view.onlyKey = developPanel_->onlyKey()->text().trimmed().toStdString();
  view.show = [this](bool clearFirst, const std::vector<std::string>& lines) {
    if (clearFirst) developPanel_->memo()->clear();
    for (const std::string& line : lines) developPanel_->memo()->appendPlainText(fromStd(line));
  };
  window_.guarded([&] { importLevel(window_.session(), choice->filterIndex, paths, options); });
}

void SingleLevelCommands::exportLevel() {
  const QString proposed = fromRecordText(proposedExportName(window_.session().map));
  const auto choice = window_.frontend().dialogs().chooseExportLevel(
      &window_, window_.settings().openFolder(), proposed);
  if (!choice) return;
  window_.guarded([&] {
    const auto cut = pyrovel::exportLevel(window_.session().map, choice->filterIndex,
                                          choice->path.toStdString());
    if (cut) window_.frontend().inform(*cut);
  });
}

}  // namespace pyrovel::app
