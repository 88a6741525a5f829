#pragma once
// The objects help: one document of text lines with a section per object
// 0..160, each section opened by a marker line "--n--" and the last one
// closed by "--161--". The offsets say where each section's text starts.
// In development mode a section can be rewritten and the document saved
// with its offsets as "ObjectsHelp.txt" and "Offsets.txt".
#include <string>
#include <vector>

#include "model/object_catalogue.h"

namespace pyrovel {

class ObjectsHelp {
 public:
  static constexpr int kLastObject = 160;
  static constexpr int kSections = kLastObject + 1;

  // The built-in document; the section titles come from the catalogue.
  ObjectsHelp();
  // Any document; throws LevelError when a marker "--0--".."--160--" is missing.
  explicit ObjectsHelp(std::vector<std::string> document);

  static std::string marker(int n) { return "--" + std::to_string(n) + "--"; }

  const std::vector<std::string>& document() const { return document_; }
  // Entry n: index of the first line after the marker of section n.
  const std::vector<int>& offsets() const { return offsets_; }
  // The text lines of section n (0..160); empty for any other n.
  std::vector<std::string> section(int n) const;

  // The object whose help is shown.
  int currentObject() const { return current_; }
  // The object to display: the current one, which becomes 0 when it lies
  // beyond the name list (`nameCount` items) or the sections.
  int displayObjectHelp(int nameCount);
  // Makes n current (a palette entry), writing back a pending edit first.
  void select(int n, const std::vector<std::string>& shownText);
  // "next" / "previous": write back a pending edit, then step (not beyond
  // 0..160).
  void nextObject(const std::vector<std::string>& shownText);
  void previousObject(const std::vector<std::string>& shownText);

  // A click into the editable text: its lines must be written back.
  void markChanged() { changed_ = true; }
  bool changed() const { return changed_; }
  // Replaces the current section's lines by `lines` and rescans. Lines that
  // look like markers would break the sections: then nothing changes and
  // LevelError says why.
  void insertText(const std::vector<std::string>& lines);
  // Rebuilds the offsets from the markers ("ReScan").
  void scanText();
  // Writes "ObjectsHelp.txt" and "Offsets.txt" into `directory` (CR LF
  // line ends); returns the two paths.
  std::vector<std::string> saveText(const std::string& directory) const;

 private:
  void writeBack(const std::vector<std::string>& shownText);
  // The line index of marker n at or after line `from`, -1 when absent.
  int findMarker(int n, int from) const;

  std::vector<std::string> document_;
  std::vector<int> offsets_;
  int end_ = 0;  // index of the closing marker (or the document's end)
  int current_ = 2;
  bool changed_ = false;
};

}  // namespace pyrovel
