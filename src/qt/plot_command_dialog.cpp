#include "qt/plot_command_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "qt/qt_text.h"

namespace kalo {
namespace {

QLabel* Caption(QWidget* parent, const char* name, const char* utf8) {
  auto* label = new QLabel(Labelled(utf8), parent);
  if (name) label->setObjectName(name);
  return label;
}

}  // namespace

PlotCommandDialog::PlotCommandDialog(PlotCommandForm& form, bool plainLetters, QWidget* parent)
    : QDialog(parent), form_(form), plainLetters_(plainLetters) {
  using F = PlotCommandForm;
  setObjectName("PlotCommandForm");
  setWindowTitle(Shown(form.caption, plainLetters));
  auto* grid = new QGridLayout(this);
  int row = 0;

  grid->addWidget(Caption(this, "Label_penplotpath", "PENPLOT Programmverzeichnis"), row, 0);
  grid->addWidget(path_ = Edit("Edit_penplotPath", F::kHelpPath), row, 1, 1, 2);
  grid->addWidget(Button("Button_penplotpath", "...", &F::PlotProgramClick), row++, 3);

  auto* formatBox = new QGroupBox(Labelled("Ausgabeformat"), this);
  formatBox->setObjectName("RadioGroup_outcode");
  format_ = Radios(formatBox, F::FormatNames(), F::kHelpFormat);
  auto* interfaceBox = new QGroupBox(Labelled("Ausgabeschnittstelle"), this);
  interfaceBox->setObjectName("RadioGroup_d");
  interface_ = Radios(interfaceBox, F::InterfaceNames(), F::kHelpInterface);
  grid->addWidget(formatBox, row, 0, 5, 2);
  grid->addWidget(interfaceBox, row, 2, 2, 2);
  grid->addWidget(Caption(this, nullptr, "COM"), row + 2, 2);
  grid->addWidget(com_ = Edit("Edit_com", F::kHelpInterface), row + 2, 3);
  grid->addWidget(Caption(this, nullptr, "LPT"), row + 3, 2);
  grid->addWidget(lpt_ = Edit("Edit_lpt", F::kHelpInterface), row + 3, 3);
  row += 5;

  grid->addWidget(outdir_ = Edit("Edit_outdir", F::kHelpOutputDirectory), row, 0, 1, 2);
  grid->addWidget(outdirButton_ = Button("Button_outDir", "Dir...", &F::OutputDirectoryClick), row, 2);
  grid->addWidget(tempdirButton_ = Button("Button_tempdir", "<", &F::TempDirectoryClick), row++, 3);

  grid->addWidget(Caption(this, "Label_scale", "Maßstab"), row, 0);
  grid->addWidget(scale_ = Edit("Edit_scale", F::kHelpScale), row, 1);
  grid->addWidget(Caption(this, nullptr, ": 1"), row, 2);
  fitScale_ = new QCheckBox(Labelled("Maßstab anpassen ?"), this);
  fitScale_->setObjectName("CheckBox_scale");
  Tip(fitScale_, F::kHelpScale);
  grid->addWidget(fitScale_, row++, 3);
  connect(fitScale_, &QCheckBox::clicked, this, [this](bool ticked) {
    TakeControls();
    form_.fitScale = ticked;
    form_.FitScaleClick();
    ShowForm();
  });

  rotate_ = new QCheckBox(Labelled("Plot um 90 Grad drehen ?"), this);
  rotate_->setObjectName("CheckBox_rotate");
  Tip(rotate_, F::kHelpRotate);
  grid->addWidget(rotate_, row++, 0, 1, 4);
  connect(rotate_, &QCheckBox::toggled, this, &PlotCommandDialog::Changed);

  grid->addWidget(Caption(this, nullptr, "Nullpunktverschiebung in x-Richtung"), row, 0);
  grid->addWidget(xnull_ = Edit("Edit_xnull", F::kHelpOffsets), row++, 1);
  grid->addWidget(Caption(this, nullptr, "Nullpunktverschiebung in y-Richtung"), row, 0);
  grid->addWidget(ynull_ = Edit("Edit_ynull", F::kHelpOffsets), row++, 1);
  grid->addWidget(Caption(this, nullptr, "Textbreitenfaktor"), row, 0);
  grid->addWidget(textWidth_ = Edit("Edit_textbreitenfaktor", F::kHelpTextWidth), row++, 1);

  grid->addWidget(Caption(this, nullptr, "Postscript-Zeichensatz"), row, 0);
  psFont_ = new QComboBox(this);
  psFont_->setObjectName("ComboBox_psfont");
  psFont_->setEditable(true);
  for (const std::string& font : F::PostscriptFonts()) psFont_->addItem(Shown(font, plainLetters));
  psFont_->lineEdit()->setMaxLength(F::kPostscriptFontLength);
  Tip(psFont_, F::kHelpPostscriptFont);
  grid->addWidget(psFont_, row++, 1, 1, 3);
  connect(psFont_, &QComboBox::currentTextChanged, this, &PlotCommandDialog::Changed);

  grid->addWidget(Caption(this, nullptr, "Command Line:"), row, 0);
  commandLine_ = new QLabel(this);
  commandLine_->setObjectName("Label_commandline");
  commandLine_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  commandLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(commandLine_, row++, 1, 1, 3);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(Labelled("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  buttons->addButton(Labelled("Abbrechen"), QDialogButtonBox::RejectRole)->setObjectName("Button_cancel");
  QPushButton* help = buttons->addButton(Labelled("&Hilfe"), QDialogButtonBox::HelpRole);
  help->setObjectName("Button_help");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(help, &QPushButton::clicked, this, [this] { form_.ShowHelpText(); });
  grid->addWidget(buttons, row, 0, 1, 4);

  ShowForm();
}

void PlotCommandDialog::Tip(QWidget* widget, int helpNumber) {
  std::string hint = form_.Hint(helpNumber);
  if (!hint.empty()) widget->setToolTip(Shown(hint, plainLetters_));
}

QLineEdit* PlotCommandDialog::Edit(const char* name, int helpNumber) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(name);
  Tip(edit, helpNumber);
  connect(edit, &QLineEdit::textEdited, this, &PlotCommandDialog::Changed);
  return edit;
}

QPushButton* PlotCommandDialog::Button(const char* name, const char* caption, void (PlotCommandForm::*action)()) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, action] {
    TakeControls();
    (form_.*action)();
    ShowForm();
  });
  return button;
}

QButtonGroup* PlotCommandDialog::Radios(QWidget* box, const std::vector<std::string>& items, int helpNumber) {
  auto* layout = new QVBoxLayout(box);
  auto* group = new QButtonGroup(box);
  for (size_t i = 0; i < items.size(); ++i) {
    auto* radio = new QRadioButton(Shown(items[i], plainLetters_), box);
    Tip(radio, helpNumber);
    group->addButton(radio, static_cast<int>(i));
    layout->addWidget(radio);
  }
  Tip(box, helpNumber);
  connect(group, &QButtonGroup::idClicked, this, &PlotCommandDialog::Changed);
  return group;
}

void PlotCommandDialog::Changed() {
  if (showing_) return;
  TakeControls();
  form_.ControlChanged();
  ShowForm();
}

void PlotCommandDialog::TakeControls() {
  form_.plotProgramPath = Typed(path_->text());
  form_.formatChoice = format_->checkedId();
  form_.interfaceChoice = interface_->checkedId();
  form_.comPort = Typed(com_->text());
  form_.lptPort = Typed(lpt_->text());
  form_.outputDirectory = Typed(outdir_->text());
  form_.scaleText = Typed(scale_->text());
  form_.rotate = rotate_->isChecked();
  form_.originX = Typed(xnull_->text());
  form_.originY = Typed(ynull_->text());
  form_.textWidthFactor = Typed(textWidth_->text());
  form_.postScriptFont = Typed(psFont_->currentText());
}

void PlotCommandDialog::ShowForm() {
  showing_ = true;
  auto set = [this](QLineEdit* edit, const std::string& text) {
    QString shown = Shown(text, plainLetters_);
    if (edit->text() != shown) edit->setText(shown);
  };
  set(path_, form_.plotProgramPath);
  format_->button(form_.formatChoice)->setChecked(true);
  interface_->button(form_.interfaceChoice)->setChecked(true);
  set(com_, form_.comPort);
  set(lpt_, form_.lptPort);
  set(outdir_, form_.outputDirectory);
  set(scale_, form_.scaleText);
  fitScale_->setChecked(form_.fitScale);
  rotate_->setChecked(form_.rotate);
  set(xnull_, form_.originX);
  set(ynull_, form_.originY);
  set(textWidth_, form_.textWidthFactor);
  if (psFont_->currentText() != Shown(form_.postScriptFont, plainLetters_))
    psFont_->setEditText(Shown(form_.postScriptFont, plainLetters_));
  com_->setEnabled(form_.ComEnabled());
  lpt_->setEnabled(form_.LptEnabled());
  outdir_->setEnabled(form_.OutdirEnabled());
  outdirButton_->setEnabled(form_.OutdirEnabled());
  tempdirButton_->setEnabled(form_.OutdirEnabled());
  scale_->setEnabled(form_.ScaleEnabled());
  psFont_->setEnabled(form_.PsFontEnabled());
  commandLine_->setText(Shown(form_.commandLineText, plainLetters_));
  showing_ = false;
}

}  // namespace kalo
