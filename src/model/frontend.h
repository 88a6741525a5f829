#pragma once
// What the core needs from whoever shows it: questions, messages, progress,
// and word that something the user sees has changed. The Qt windows answer
// with message boxes, the tests with scripted answers, the command line with
// defaults.
#include <optional>
#include <string>
#include <string_view>

namespace pyrovel {

enum class Answer { Yes, No, Cancel };

// What changed, so a front end can refresh only what it shows of it.
enum Change : unsigned {
  kLevelShown = 1u << 0,    // another level (or the same one anew) is shown
  kCellsChanged = 1u << 1,  // cells of the shown level changed
  kLevelList = 1u << 2,     // titles or order of levels changed
  kUndoState = 1u << 3,     // undo or redo became enabled or disabled
  kHistory = 1u << 4,       // the file history changed
  kMessages = 1u << 5,      // the message memo got lines: show the message panel
  kReaderInfo = 1u << 6,    // a reader left a note for the information panel
  kPalette = 1u << 7,       // the active palette changed
  kProperties = 1u << 8,    // header fields of the shown level changed
  kLayer = 1u << 9,         // the layer being edited changed
  kFileState = 1u << 10,    // the levelmap's name or its unsaved mark changed
};

class Frontend {
 public:
  virtual ~Frontend() = default;
  // A question with Yes and No (and Cancel when asked for).
  virtual Answer ask(std::string_view question, bool withCancel = false) = 0;
  // An informational message box.
  virtual void inform(std::string_view text) = 0;
  // A progress gauge for long imports; max 0 hides it.
  virtual void progress(int /*value*/, int /*max*/, std::string_view /*label*/) {}
  // Something shown changed (a combination of Change flags).
  virtual void changed(unsigned /*what*/) {}

  // The open dialog: the chosen path, or nothing when cancelled.
  virtual std::optional<std::string> chooseOpenFile(bool /*append*/) { return std::nullopt; }
  // The save-as dialog with the levelset formats that can be written; it
  // asks before overwriting. Nothing when cancelled.
  struct SaveAsChoice {
    std::string path;
    std::string format = "map";  // the key of a levelset format
  };
  virtual std::optional<SaveAsChoice> chooseSaveAs(const std::string& /*proposed*/) {
    return std::nullopt;
  }
};

// Answers every question with a fixed answer and forgets messages: for
// batch use where nobody can be asked.
class SilentFrontend : public Frontend {
 public:
  explicit SilentFrontend(Answer answer = Answer::No) : answer_(answer) {}
  Answer ask(std::string_view, bool) override { return answer_; }
  void inform(std::string_view) override {}

 private:
  Answer answer_;
};

}  // namespace pyrovel
