#pragma once
// The window "Document Setup": five groups with a program and a file edit, each with a
// "..." button, over the document setup form model.
#include <QDialog>
#include <QLineEdit>
#include <array>

#include "doc/document_setup_form.h"
#include "qt/dialog_buttons.h"

namespace kalo {

class DocumentSetupDialog : public QDialog {
  Q_OBJECT

 public:
  DocumentSetupDialog(DocumentSetupForm& form, const HelpHandler& help, QWidget* parent = nullptr);

  void accept() override;

 private:
  // The form's texts into the edits and back.
  void ShowEdits();
  void TakeEdits();

  DocumentSetupForm& form_;
  std::array<QLineEdit*, kLinkedDocumentCount> programs_{};
  std::array<QLineEdit*, kLinkedDocumentCount> files_{};
};

}  // namespace kalo
