#pragma once
// The user interface as the core sees it. Every text passed in or out is code page 850.
// The Qt side implements it with real windows, the tests with scripted answers, and the
// console implementation serves the command line chains.
#include <string>
#include <vector>

namespace kalo {

struct AboutBox;
class DiagramLimitsForm;
class DrawingTextForm;
class ErrorExplanationForm;
class HelpPictureForm;
class SelectColourForm;
class SelectDirForm;
class Tconfig;
class TForm_einarray;
class TForm_einkoord;
class YesNoChoiceForm;

enum class Answer { Yes, No, Cancel };

class Ui {
 public:
  virtual ~Ui() = default;

  // A message box with a caption such as "Fehler : " or "Meldung:".
  virtual void MessageBox(const std::string& caption, const std::string& text) = 0;
  // A Yes/No/Cancel question under the program's title.
  virtual Answer Question(const std::string& text) = 0;
  // A one-line text prompt prefilled with value; false when cancelled.
  virtual bool AskText(const std::string& prompt, int maxLength, std::string& value) = 0;
  // File dialogs starting in directory with a filter such as "*.kal|*.kal"; false when cancelled.
  virtual bool AskSaveFileName(const std::string& directory, const std::string& filter, std::string& path) = 0;
  virtual bool AskOpenFileName(const std::string& directory, const std::string& filter, std::string& path) = 0;
  // A text screen of lines, such as the usage screen.
  virtual void ShowLines(const std::vector<std::string>& lines) = 0;
  // A choice list under a caption; index is the preselected item on entry and the chosen
  // one (0-based) on return; false when cancelled.
  virtual bool AskChoice(const std::string& caption, const std::vector<std::string>& items, int& index) = 0;
  // The text window showing a report file written in the window code page.
  virtual void ShowTextFile(const std::string& path) = 0;
  // Prints a report file in code page 850 whose lines starting with a form feed begin new
  // pages; false when nothing was printed.
  virtual bool PrintTextFile(const std::string& path) = 0;
  virtual void SetWaitCursor(bool waiting) = 0;
  virtual void Beep() {}

  // One method per window: the window shows the form model, copies what the user typed
  // back into it and returns true for OK, false for cancel.
  virtual bool ShowDrawingTextForm(DrawingTextForm& form) = 0;
  // The element list and the coordinate form of one element; a Ui without these windows
  // answers cancel.
  virtual bool ShowElementList(TForm_einarray&) { return false; }
  virtual bool ShowCoordinateForm(TForm_einkoord&) { return false; }
  // The diagram limits; a Ui without this window answers cancel (the automatic limits).
  virtual bool EditDiagramLimits(DiagramLimitsForm&) { return false; }
  // The configuration dialog; it takes the settings over itself on "OK" and "&Speichern".
  // A Ui without this window answers cancel.
  virtual bool ShowConfigDialog(Tconfig&) { return false; }
  // The standard dialogs with windows of their own.
  virtual bool AskYesNoChoice(YesNoChoiceForm& form) = 0;
  virtual bool AskDirectory(SelectDirForm& form) = 0;
  virtual bool AskColour(SelectColourForm& form) = 0;
  // The explanation of an error message; its actions run while it is open.
  virtual void ShowErrorExplanation(ErrorExplanationForm& form) = 0;
  // The help picture browser; true when the window closed with a request, false for OK
  // (a Ui without this window ends the browser).
  virtual bool ShowHelpPictureBrowser(HelpPictureForm&) { return false; }
  // A notice shown while a longer step runs; an empty text takes it away.
  virtual void ShowNotice(const std::string&) {}
  // The program's information box.
  virtual void ShowAboutBox(const AboutBox&) {}
};

}  // namespace kalo
