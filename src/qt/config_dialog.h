#pragma once
// The configuration dialog: nine pages of fields over the form model. Every
// button copies the fields into the model, runs the model's action and shows the model
// again.
#include <QDialog>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "config/config_form.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QWidget;

namespace kalo {

class ConfigDialog : public QDialog {
  Q_OBJECT

 public:
  ConfigDialog(SettingsForm& form, bool plainLetters, QWidget* parent = nullptr);

  // OK: the dialog closes only when the model took the fields over; else it shows the
  // page of the refused field.
  void accept() override;

 private:
  // The pages, in the order of ConfigPage.
  QWidget* DirectoriesPage();
  QWidget* GraphicsPage();
  QWidget* CadPage();
  QWidget* ColoursPage();
  QWidget* PrinterPage();
  QWidget* PrintoutPage();
  QWidget* PreferencesPage();
  QWidget* ExternalProgramsPage();
  QWidget* DrawingPage();

  // Controls bound to a field of the model.
  QLineEdit* Edit(const char* name, std::string& field);
  QCheckBox* Check(const char* name, const char* caption, bool& field);
  QWidget* Radios(const char* name, const char* caption, const std::vector<std::string>& items, int& field);
  QLabel* ModelLabel(const std::string& text);
  QPushButton* PlainButton(const char* name, const char* caption) const;
  // A button that runs an action of the model between taking and showing the fields.
  QPushButton* Button(const char* name, const char* caption, std::function<void()> action);
  // A label, an edit and optionally a "<" button in one row of a grid.
  QLineEdit* EditRow(QGridLayout* grid, const char* caption, const char* name, std::string& field,
                     std::function<void()> reset = {});
  QLabel* Label(const char* utf8) const;
  // A label whose tooltip is the hint of a help text.
  QLabel* HintedLabel(const char* utf8, int helpNumber) const;
  QPushButton* HelpButton(const char* name, const char* caption, int helpNumber);
  QString Text(const std::string& cp850) const;

  void TakeFields();
  void ShowFields();
  void ShowPage();
  // The number field that OK refused gets the focus, its text selected for typing over.
  void FocusRefusedField();
  void ChooseFont(std::string& family, int& style, int* size);
  void ChooseBackgroundColour();

  SettingsForm& form_;
  bool plainLetters_;
  QTabWidget* pages_ = nullptr;
  QLabel* backgroundPanel_ = nullptr;
  QListWidget* plotLines_ = nullptr;
  QComboBox* outputTarget_ = nullptr;
  std::vector<std::pair<QLineEdit*, std::string*>> edits_;
  std::vector<std::pair<QCheckBox*, bool*>> checks_;
  std::vector<std::pair<QButtonGroup*, int*>> radios_;
  std::vector<std::pair<QLabel*, const std::string*>> labels_;
};

}  // namespace kalo
