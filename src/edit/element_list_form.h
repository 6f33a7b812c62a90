#pragma once
// The element list (caption "Eingabe der Positionen"): one line per
// contour element and the buttons that change the contour. The window closes with the
// action the user chose; the list loop carries it out and opens the list again. Texts
// are code page 850.
#include <string>
#include <vector>

namespace kalo {

struct Context;

enum class ElementListAction { Append, Change, DoubleClick, Insert, Delete, Transform, Paste, Ok };

class ElementListForm {
 public:
  static constexpr int kHelpNumber = 8200;

  // The lines of the current contour; selected is the 1-based line (0 = none).
  ElementListForm(Context& context, int selected);

  std::string caption = "Eingabe der Positionen";
  std::vector<std::string> ListBox1;
  int selected = 0;
  std::string Button_neu = "&Neu";
  std::string Button_aendern;  // "&Ändern"
  std::string Button_einfuegen;  // "&Einfügen"
  std::string Button_loeschen;   // "&Löschen"
  std::string Button_156 = "Transform.";
  std::string Button_paste;      // "&Koordinaten einfügen"
  std::string Button_ok = "OK";
  std::string Button_cancel = "Abbrechen";
  std::string Button_help = "&Hilfe";
  std::string Button_hilfebild = "Hilfe&bild";
  std::string Button_error = "&Fehlermeldungen";
  // "&Fehlermeldungen" is offered only while the last calculation left messages.
  bool Button_errorVisible = false;
  // What the contour may hold that gives surprising results; nothing is refused for it.
  std::vector<std::string> warnings;

  // The button that closed the window, and for "Paste" the text of the clipboard.
  ElementListAction action = ElementListAction::Ok;
  std::string pastedText;

  void Button_helpClick();
  void Button_hilfebildClick();
  void Button_errorClick();

 private:
  Context& context_;
};

// "Pos.001:     x=  100.000 mm     y=   20.000 mm     phi=  90.0 °", cut to 65 characters.
std::string ElementListLine(const Context& context, int j);

}  // namespace kalo
