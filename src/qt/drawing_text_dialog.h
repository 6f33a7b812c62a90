#pragma once
// The window of the drawing text form: one line edit per field of the form model.
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "doc/drawing_text_form.h"

namespace kalo {

class DrawingTextDialog : public QDialog {
  Q_OBJECT

 public:
  DrawingTextDialog(DrawingTextForm& form, QWidget* parent = nullptr);

  void accept() override;

 private:
  DrawingTextForm& form_;
  std::array<QLineEdit*, 6> edits_{};
};

}  // namespace kalo
