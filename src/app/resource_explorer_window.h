#pragma once
// `ResourceExplorerWindow`, "Resource Explorer": shows the resources of a Windows
// executable or DLL as a tree, shows a resource (strings, menus, pictures,
// bytes), saves one raw, and imports the level resources when they are
// selected: caves ("BDCAV"), intermissions ("BDINT") and levelsets
// ("BDGAME"). Reading and importing are the core's (editor/resource_import.h).
#include <QMainWindow>
#include <optional>
#include <vector>

#include "editor/resource_import.h"
#include "import/pe_resources.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace pyrovel {
class EditorSession;
}

namespace pyrovel::app {

class Dialogs;

class ResourceExplorerWindow : public QMainWindow {
  Q_OBJECT
 public:
  // `dialogs` chooses files and shows errors; null means the Qt file
  // dialogs and message boxes.
  ResourceExplorerWindow(EditorSession& session, Dialogs* dialogs, QWidget* parent = nullptr);
  ~ResourceExplorerWindow() override;

  // "&Open...": asks for a file and shows its resources.
  void openExecutable();
  // Opens `path` without the dialog; false (after the error message) when
  // it cannot be read, and the image shown before stays.
  bool openImage(const QString& path);
  // "&Save Resource...": the selected resource's raw bytes to a file.
  void saveExecutable();
  // "Assign Names": names the levelset resources from the string tables.
  void nameGamesFromStrings();
  // A node became current: a level resource is imported, any resource shown.
  void showResource(QTreeWidgetItem* item);

  const std::optional<PeResources>& image() const { return pe_; }

 signals:
  // A cave, intermission or levelset went into the levelmap.
  void levelsImported();

 private:
  // What a tree node stands for: a node of the resource directory, or one
  // image of an icon or cursor group.
  struct Entry {
    const ResourceNode* node = nullptr;
    const ResourceNode* type = nullptr;
    std::optional<ResourceData> image;
    bool cursor = false;
  };
  void buildTree();
  void addChildren(QTreeWidgetItem* parent, const ResourceNode& node, const ResourceNode& type);
  QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const QString& text, Entry entry,
                           ResourcePicture picture);
  const Entry* entryOf(QTreeWidgetItem* item) const;
  const ResourceData* dataOf(const Entry& entry) const;
  void showResource(const Entry& entry);
  void showText(const QStringList& lines);
  void error(const QString& text);

  EditorSession& session_;
  Dialogs* dialogs_;
  std::optional<PeResources> pe_;
  std::vector<Entry> entries_;
  QString lastFolder_;

  QCheckBox* appendLevelset_;
  QTreeWidget* treeView_;
  QListWidget* strings_;
  QStackedWidget* details_;
  QPlainTextEdit* text_;
  QLabel* picture_;
  QLabel* status_;
};

}  // namespace pyrovel::app
