#pragma once
// The page inside the Properties tool window: tabs "Size", "Scores", "Yam",
// "Well" and "BDCFF".
// Every control mirrors a value of `LevelProperties` and hands its edits
// straight to it; size, title, author, date and info wait for "Apply".
// Docked at the bottom, the size controls, the score grid and the yam
// patterns leave their tabs for the strip at the bottom, side by side.
#include <QTabWidget>
#include <QWidget>
#include <array>

#include "editor/level_properties.h"
#include "render/sprite_strip.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace pyrovel::app {

class PatternBox;

class PropertiesPage : public QWidget {
  Q_OBJECT
 public:
  explicit PropertiesPage(LevelProperties& properties, QWidget* parent = nullptr);

  QTabWidget* pages() const { return pages_; }
  QTableWidget* scoreGrid() const { return scoreGrid_; }
  void setStrip(const SpriteStrip* strip);

  // Every control from the level properties (after their `showYam`).
  void readAll();
  // The width and height edits only (after `resetLevelSize`).
  void readSize();

  // Docked at the bottom: the strip instead of the tabs.
  void setBottomStrip(bool strip);
  bool bottomStrip() const;
  // The height the strip needs.
  int stripHeight() const;

 signals:
  // "Apply": the window applies the size, since it knows the view.
  void applyRequested();

 private:
  QWidget* makeSizePanel();
  QWidget* makeScoreGrid();
  QWidget* makeYamPanel();
  QWidget* makeWellPanel();
  QWidget* makeMemo();
  // The size controls in one column (tab) or two (strip).
  void arrangeSizePanel(bool twoColumns);
  void readPatterns();

  LevelProperties& props_;
  bool filling_ = false;

  QStackedWidget* stack_;
  QTabWidget* pages_;
  QWidget* propertiesBottom_;
  QWidget* sizePanel_;
  QWidget* yamPanel_;
  std::array<QWidget*, 3> tabHomes_{};    // the Size, Scores and Yam pages
  std::array<QWidget*, 3> stripHomes_{};  // their places in the strip

  QGridLayout* sizeGrid_ = nullptr;
  QSpinBox* widthEdit_ = nullptr;
  QSpinBox* heightEdit_ = nullptr;
  QLineEdit* titleEdit_ = nullptr;
  QLineEdit* authorEdit_ = nullptr;
  QLineEdit* dateEdit_ = nullptr;
  QLineEdit* descriptionEdit_ = nullptr;
  QCheckBox* amoebaOn_ = nullptr;
  QCheckBox* intermission_ = nullptr;
  QWidget* sizeButtons_ = nullptr;
  std::array<QWidget*, 6> sizeLabels_{};

  QTableWidget* scoreGrid_ = nullptr;
  std::array<PatternBox*, LevelProperties::kYamBoxes> yamBoxes_{};
  PatternBox* wellBox_ = nullptr;
  QSpinBox* wellEdit_ = nullptr;
  QCheckBox* wellActive_ = nullptr;
  QPlainTextEdit* bdcffMemo_ = nullptr;
};

}  // namespace pyrovel::app
