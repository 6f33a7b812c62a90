#pragma once
// The window "Zeichnungsinfo": replacement edits, the signature grid with a date button per
// row and the grid of placed texts, over the form model of the drawing information.
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "doc/drawing_info_form.h"
#include "qt/dialog_buttons.h"

namespace kalo {

class DrawingInfoDialog : public QDialog {
  Q_OBJECT

 public:
  DrawingInfoDialog(DrawingInfoForm& form, const HelpHandler& help, QWidget* parent = nullptr);

  void accept() override;

 private:
  QLineEdit* AddEdit(const QString& name, const std::string& text, int maxLength);

  DrawingInfoForm& form_;
  QLineEdit* replaces_ = nullptr;
  QLineEdit* replacedBy_ = nullptr;
  std::array<std::array<QLineEdit*, 2>, kSignatureRows> signatures_{};
  std::array<std::array<QLineEdit*, kTextColumns>, kMaxPlacedTexts> texts_{};
};

}  // namespace kalo
