#pragma once
// Where the editor keeps its files and what it remembers between runs:
// the program folder, the folder of the shipped files, the folder of
// Edit.ini (the program folder when it is writable and not installed, else
// a per-user one), and the settings read from it.
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "model/configuration.h"

namespace pyrovel::app {

class EditorSettings {
 public:
  // Empty folders: the executable's folder and the per-user configuration
  // and data folders. `programDirWritable` unset: tried.
  EditorSettings(const QString& programDir, const QString& userConfigDir,
                 std::optional<bool> programDirWritable, const QString& userDataDir = {});

  Configuration& config() { return config_; }
  const Configuration& config() const { return config_; }
  QString programDir() const { return programDir_; }
  // Where the shipped files are (Edit.bdi, the sprite set): the program
  // folder in a build, the share folder when installed.
  QString dataDir() const { return dataDir_; }
  // Where Edit.ini and the temporary files go.
  QString settingsDir() const { return settingsDir_; }
  QString configFilePath() const;
  // Where the copy of a levelmap with unsaved changes waits for the next
  // start after a crash: a folder of the editor's own in the user's data
  // (empty when the user has none).
  QString recoveryDir() const { return recoveryDir_; }
  QString computerName() const { return computerName_; }
  // The sprite sets (*.iml) of the game folder, sorted, for the options.
  const std::vector<std::string>& spriteSets() const { return spriteSets_; }
  // Where the open dialogs start.
  QString openFolder() const { return openFolder_; }
  void setOpenFolder(const QString& folder) { openFolder_ = folder; }

  // Reads Edit.ini (an installed editor's defaults beside the program when
  // there is none yet), then defaults the game folder and lists its sprite
  // sets; a failed read is thrown on after that.
  void read();
  // Writes the settings to Edit.ini, keeping its other entries.
  void write();

 private:
  Configuration config_;
  QString programDir_, dataDir_, settingsDir_, recoveryDir_, computerName_, openFolder_;
  std::vector<std::string> spriteSets_;
};

}  // namespace pyrovel::app
