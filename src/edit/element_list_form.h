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
  std::string newCaption = "&Neu";
  std::string changeCaption;  // "&Ändern"
  std::string insertCaption;  // "&Einfügen"
  std::string deleteCaption;   // "&Löschen"
  std::string transformCaption = "Transform.";
  std::string pasteCaption;      // "&Koordinaten einfügen"
  std::string okCaption = "OK";
  std::string cancelCaption = "Abbrechen";
  std::string helpCaption = "&Hilfe";
  std::string helpPictureCaption = "Hilfe&bild";
  std::string errorListCaption = "&Fehlermeldungen";
  // "&Fehlermeldungen" is offered only while the last calculation left messages.
  bool errorListVisible = false;
  // What the contour may hold that gives surprising results; nothing is refused for it.
  std::vector<std::string> warnings;

  // The button that closed the window, and for "Paste" the text of the clipboard.
  ElementListAction action = ElementListAction::Ok;
  std::string pastedText;

  void HelpClick();
  void HelpPictureClick();
  void ErrorListClick();

 private:
  Context& context_;
};

// "Pos.001:     x=  100.000 mm     y=   20.000 mm     phi=  90.0 °", cut to 65 characters.
std::string ElementListLine(const Context& context, int j);

}  // namespace kalo
