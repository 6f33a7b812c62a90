#pragma once
// A prompt and one line of text of limited length.
#include <QDialog>
#include <QLineEdit>

#include "qt/dialog_buttons.h"

namespace kalo {

class TextPromptDialog : public QDialog {
  Q_OBJECT

 public:
  TextPromptDialog(const QString& prompt, const QString& value, int maxLength, QWidget* parent = nullptr,
                   const HelpHandler& help = {});
  QString Text() const { return edit_->text(); }

 private:
  QLineEdit* edit_;
};

}  // namespace kalo
