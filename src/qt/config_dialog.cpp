#include "qt/config_dialog.h"

#include <functional>
#include <iterator>

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/codepage.h"
#include "qt/qt_text.h"

namespace kalo {
namespace {

// Font styles as the configuration counts them: bold 1, italic 2, underline 4, strike-out 8.
int StyleOf(const QFont& font) {
  return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) | (font.strikeOut() ? 8 : 0);
}
void SetStyle(QFont& font, int style) {
  font.setBold(style & 1);
  font.setItalic(style & 2);
  font.setUnderline(style & 4);
  font.setStrikeOut(style & 8);
}

// "Hintergrundfarbe" holds red in its lowest byte.
QColor ColourOf(int rgb) { return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF); }
int RgbOf(const QColor& colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

}  // namespace

ConfigDialog::ConfigDialog(SettingsForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent), form_(form), plainLetters_(plainLetters) {
  setObjectName("SettingsForm");
  setWindowTitle(Text(form.caption));
  auto* layout = new QVBoxLayout(this);
  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl");
  layout->addWidget(pages_);
  // Each page is built after the ones before it are in place, in the order of ConfigPage.
  std::function<QWidget*()> builders[] = {
      [this] { return DirectoriesPage(); }, [this] { return GraphicsPage(); },   [this] { return CadPage(); },
      [this] { return ColoursPage(); },       [this] { return PrinterPage(); },  [this] { return PrintoutPage(); },
      [this] { return PreferencesPage(); }, [this] { return ExternalProgramsPage(); }, [this] { return DrawingPage(); }};
  static_assert(std::size(builders) == kConfigPages);
  for (int page = 0; page < kConfigPages; ++page)
    pages_->addTab(builders[page](), Text(Oem(ConfigPageCaption(static_cast<ConfigPage>(page)))));

  auto* buttons = new QHBoxLayout;
  QPushButton* ok = PlainButton("Button_ok", "OK");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  ok->setDefault(true);
  QPushButton* cancel = PlainButton("Button_cancel", "Abbrechen");
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  QPushButton* save = Button("Button_save", "&Speichern", [this] {
    form_.SaveClick();
    ShowPage();
    FocusRefusedField();
  });
  QPushButton* import = Button("Button_import", "Import..", [this] { form_.ImportClick(); });
  for (QPushButton* button : {ok, cancel, save, import}) buttons->addWidget(button);
  layout->addLayout(buttons);
  ShowFields();
  ShowPage();
}

QString ConfigDialog::Text(const std::string& cp850) const { return Shown(cp850, plainLetters_); }

QLabel* ConfigDialog::Label(const char* utf8) const {
  return new QLabel(Text(Oem(utf8)));
}

QLabel* ConfigDialog::HintedLabel(const char* utf8, int helpNumber) const {
  QLabel* label = Label(utf8);
  label->setToolTip(Text(form_.Hint(helpNumber)));
  return label;
}

QPushButton* ConfigDialog::HelpButton(const char* name, const char* caption, int helpNumber) {
  QPushButton* button = PlainButton(name, caption);
  connect(button, &QPushButton::clicked, this, [this, helpNumber] { form_.ShowHelpText(helpNumber); });
  return button;
}

QLabel* ConfigDialog::ModelLabel(const std::string& text) {
  auto* label = new QLabel;
  labels_.push_back({label, &text});
  return label;
}

QLineEdit* ConfigDialog::Edit(const char* name, std::string& field) {
  auto* edit = new QLineEdit;
  edit->setObjectName(name);
  edits_.push_back({edit, &field});
  return edit;
}

QCheckBox* ConfigDialog::Check(const char* name, const char* caption, bool& field) {
  auto* box = new QCheckBox(Text(Oem(caption)));
  box->setObjectName(name);
  checks_.push_back({box, &field});
  return box;
}

QWidget* ConfigDialog::Radios(const char* name, const char* caption, const std::vector<std::string>& items,
                              int& field) {
  auto* box = new QGroupBox(Text(Oem(caption)));
  box->setObjectName(name);
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (size_t i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(Text(Oem(items[i])));
    group->addButton(radio, static_cast<int>(i));
    layout->addWidget(radio);
  }
  radios_.push_back({group, &field});
  return box;
}

QPushButton* ConfigDialog::PlainButton(const char* name, const char* caption) const {
  auto* button = new QPushButton(Text(Oem(caption)));
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

QPushButton* ConfigDialog::Button(const char* name, const char* caption, std::function<void()> action) {
  QPushButton* button = PlainButton(name, caption);
  connect(button, &QPushButton::clicked, this, [this, action = std::move(action)] {
    TakeFields();
    if (action) action();
    ShowFields();
  });
  return button;
}

QLineEdit* ConfigDialog::EditRow(QGridLayout* grid, const char* caption, const char* name, std::string& field,
                                 std::function<void()> reset) {
  int row = grid->rowCount();
  grid->addWidget(Label(caption), row, 0);
  QLineEdit* edit = Edit(name, field);
  grid->addWidget(edit, row, 1);
  if (reset) grid->addWidget(Button((std::string(name) + "_reset").c_str(), "<", std::move(reset)), row, 2);
  return edit;
}

void ConfigDialog::TakeFields() {
  for (auto [edit, field] : edits_) *field = Typed(edit->text());
  for (auto [box, field] : checks_) *field = box->isChecked();
  for (auto [group, field] : radios_) *field = group->checkedId();
  if (outputTarget_) form_.textDevice = Typed(outputTarget_->currentText());
}

void ConfigDialog::ShowFields() {
  for (auto [edit, field] : edits_) edit->setText(Text(*field));
  for (auto [box, field] : checks_) box->setChecked(*field);
  for (auto [group, field] : radios_)
    if (QAbstractButton* button = group->button(*field)) button->setChecked(true);
  for (auto [label, text] : labels_) label->setText(Text(*text));
  if (outputTarget_) outputTarget_->setCurrentText(Text(form_.textDevice));
  if (plotLines_) {
    int row = plotLines_->currentRow();
    plotLines_->clear();
    for (const std::string& line : form_.plotCommands) plotLines_->addItem(Text(line));
    plotLines_->setCurrentRow(row);
  }
  if (backgroundPanel_)
    backgroundPanel_->setStyleSheet("background-color: " + ColourOf(form_.backgroundColour).name());
}

void ConfigDialog::ShowPage() { pages_->setCurrentIndex(static_cast<int>(form_.page)); }

void ConfigDialog::FocusRefusedField() {
  for (auto [edit, field] : edits_)
    if (field == form_.refusedField) {
      edit->setFocus(Qt::OtherFocusReason);
      edit->selectAll();
    }
}

void ConfigDialog::accept() {
  TakeFields();
  if (!form_.OkClick()) {
    ShowPage();
    FocusRefusedField();
    return;
  }
  QDialog::accept();
}

void ConfigDialog::ChooseFont(std::string& family, int& style, int* size) {
  QFont font(Text(family));
  SetStyle(font, style);
  if (size) font.setPointSize(*size);
  bool ok = false;
  QFont chosen = QFontDialog::getFont(&ok, font, this);
  if (!ok) return;
  family = Typed(chosen.family());
  style = StyleOf(chosen);
  if (size) *size = chosen.pointSize();
}

void ConfigDialog::ChooseBackgroundColour() {
  QColor chosen = QColorDialog::getColor(ColourOf(form_.backgroundColour), this);
  if (chosen.isValid()) form_.backgroundColour = RgbOf(chosen);
}

}  // namespace kalo
