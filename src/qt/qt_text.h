#pragma once
// Program texts (code page 850) to and from what Qt shows.
#include <QString>
#include <string>

namespace kalo {

// The language the windows show the program's texts in (lang/dialog_texts.h), following the
// menus; German until set. One setting for all windows, as Qt's own translation is.
void SetDialogLanguage(int language);
// Through the dialog language and the display conversion: empty for 255 characters or
// more, plain letters when set.
QString Shown(const std::string& cp850, bool plainLetters);
// The same for a text of any length (a message box's text, such as a help text), which one
// display conversion would show as nothing from 255 characters on.
QString ShownWhole(const std::string& cp850, bool plainLetters);
// A label written in the code (UTF-8) as the dialog language shows it.
QString Labelled(const std::string& utf8);
// A form model's field text (UTF-8) for a widget and back.
QString FromUtf8(const std::string& utf8);
std::string ToUtf8(const QString& text);
// What the user typed, as a program text.
std::string Typed(const QString& text);

}  // namespace kalo
