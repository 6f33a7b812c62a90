#pragma once
// The button row every dialog of the program shares: "OK" (Enter), "Abbrechen" (Escape)
// and, where help is offered, "&Hilfetext" and "Hilfe&bild", which leave the dialog open.
#include <QDialog>
#include <QDialogButtonBox>
#include <functional>
#include <string>

namespace kalo {

enum class HelpKind { Text, Picture };
// Shows the help of the current dialog step.
using HelpHandler = std::function<void(HelpKind)>;

QDialogButtonBox* OkCancelButtons(QDialog* dialog, const HelpHandler& help = {});
// "Button_helptext" and "Button_helppicture", added when there is help to show.
void AddHelpButtons(QDialogButtonBox* buttons, const HelpHandler& help);
// One "Button_help" with this caption that shows the help text, where there is help to show.
void AddHelpTextButton(QDialogButtonBox* buttons, const std::string& utf8, const HelpHandler& help);

}  // namespace kalo
