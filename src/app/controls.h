#pragma once
// Small makers for the plain controls the tool windows are built from.
#include <QLabel>
#include <QSpinBox>

namespace pyrovel::app {

// A label that shows its text as it is (no rich text, no mnemonics).
inline QLabel* plainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

// A spin edit with its component name and range.
inline QSpinBox* namedSpinEdit(QWidget* parent, const char* name, int min, int max) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(min, max);
  return spin;
}

}  // namespace pyrovel::app
