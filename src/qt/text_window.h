#pragma once
// The text window: a report in a read-only memo with the menus
// "&Datei" (export to the text program, print, close) and "&Bearbeiten" (select all, copy).
#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "report/text_window_form.h"

class QPlainTextEdit;

namespace kalo {

class TextWindow : public QDialog {
  Q_OBJECT

 public:
  using PrintLines = std::function<void(const std::vector<std::string>&)>;

  // print is what "&Drucken..." does with the shown lines.
  TextWindow(TextWindowForm& form, PrintLines print, QWidget* parent = nullptr);

  // However the window closes, its rectangle is stored.
  void done(int result) override;

 private:
  void AddMenus();

  TextWindowForm& form_;
  PrintLines print_;
  QPlainTextEdit* memo_ = nullptr;
};

}  // namespace kalo
