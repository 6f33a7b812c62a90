#include "qt/qt_text.h"

#include "lang/dialog_texts.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

int dialogLanguage = 0;

QString Converted(const std::string& cp850, bool plainLetters) { return FromUtf8(DisplayUtf8(cp850, plainLetters)); }

}  // namespace

void SetDialogLanguage(int language) { dialogLanguage = language; }

QString Shown(const std::string& cp850, bool plainLetters) {
  return Converted(DialogText(cp850, dialogLanguage), plainLetters);
}

QString ShownWhole(const std::string& cp850, bool plainLetters) {
  std::string text = DialogText(cp850, dialogLanguage);
  // Below the length at which one conversion gives nothing; code page 850 has one byte a
  // character, so the pieces never split one.
  constexpr size_t kPiece = 200;
  QString shown;
  for (size_t start = 0; start < text.size(); start += kPiece) shown += Converted(text.substr(start, kPiece), plainLetters);
  return shown;
}

QString Labelled(const std::string& utf8) { return Shown(Utf8ToCp850(utf8), false); }

QString FromUtf8(const std::string& utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

std::string ToUtf8(const QString& text) { return text.toUtf8().toStdString(); }

std::string Typed(const QString& text) { return Utf8ToCp850(ToUtf8(text)); }

}  // namespace kalo
