#pragma once
// The user interface as the core sees it. Every text passed in or out is code page 850.
// The Qt side implements it with real windows, the tests with scripted answers, and the
// console implementation serves the command line chains.
#include <string>
#include <vector>

namespace kalo {

struct AboutBox;
class ChangeForm;
class DiagramLimitsForm;
class DocumentSetupForm;
class DrawingInfoForm;
class DrawingTextForm;
class DxfImportForm;
class ErrorExplanationForm;
class HelpPictureForm;
class PrintForm;
class SelectColourForm;
class SelectDirForm;
class PlotCommandForm;
class SettingsForm;
class ElementListForm;
class CoordinateForm;
class DataFileOverviewForm;
class TableBrowserForm;
class YesNoChoiceForm;
struct GraphicsPrintJob;
struct PrinterChoice;

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
  virtual bool ShowElementList(ElementListForm&) { return false; }
  virtual bool ShowCoordinateForm(CoordinateForm&) { return false; }
  // The diagram limits; a Ui without this window answers cancel (the automatic limits).
  virtual bool EditDiagramLimits(DiagramLimitsForm&) { return false; }
  // The configuration dialog; it takes the settings over itself on "OK" and "&Speichern".
  // A Ui without this window answers cancel.
  virtual bool ShowConfigDialog(SettingsForm&) { return false; }
  // The plot program's parameters; a Ui without this window answers cancel.
  virtual bool ShowPlotCommandForm(PlotCommandForm&) { return false; }
  // A step of the demonstration: its text on show for the given time while the program
  // stays visible beneath; false when a key or a click ended the demonstration (a Ui
  // without this overlay ends it at once).
  virtual bool ShowDemoStep(const std::string&, int /*milliseconds*/) { return false; }
  // While a demonstration runs, a window that would wait for the user (the text window)
  // shows over the program without waiting, until its step ends.
  virtual void SetDemonstration(bool /*running*/) {}
  // A key pressed on the graphics window (its zoom and pan keys).
  virtual void SendGraphicsKey(int /*virtualKey*/) {}
  // The standard dialogs with windows of their own.
  virtual bool AskYesNoChoice(YesNoChoiceForm& form) = 0;
  virtual bool AskDirectory(SelectDirForm& form) = 0;
  virtual bool AskColour(SelectColourForm& form) = 0;
  // The explanation of an error message; its actions run while it is open.
  virtual void ShowErrorExplanation(ErrorExplanationForm& form) = 0;
  // Whether File → Import (DXF) can show its preview window; without it a drawing with
  // several contours asks with AskChoice.
  virtual bool HasDxfImportPreview() const { return false; }
  // The DXF import's preview window: true when the user takes the chosen contour.
  virtual bool ShowDxfImportForm(DxfImportForm&) { return false; }
  // The help picture browser; true when the window closed with a request, false for OK
  // (a Ui without this window ends the browser).
  virtual bool ShowHelpPictureBrowser(HelpPictureForm&) { return false; }
  // A notice shown while a longer step runs; an empty text takes it away.
  virtual void ShowNotice(const std::string&) {}
  // The program's information box.
  virtual void ShowAboutBox(const AboutBox&) {}
  // The print dialog "Ausdruck"; a Ui without it answers cancel.
  virtual bool ShowPrintForm(PrintForm&) { return false; }
  // The name of the printer that graphics printouts go to (empty without one).
  virtual std::string PrinterName() { return {}; }
  // The printer dialog on that printer; false when cancelled (a Ui without one cancels).
  virtual bool ChoosePrinter(PrinterChoice&) { return false; }
  // Prints the graphics window's recorded drawing as the job places it; false when
  // nothing was printed (a Ui without a printer prints nothing).
  virtual bool PrintGraphics(const GraphicsPrintJob&) { return false; }
  // The documentation windows: drawing information, one change, the linked documents. A Ui
  // without these windows answers cancel.
  virtual bool EditDrawingInformation(DrawingInfoForm&) { return false; }
  virtual bool EditChange(ChangeForm&) { return false; }
  virtual bool EditDocumentSetup(DocumentSetupForm&) { return false; }
  // Opens a file or web address with the program the desktop chose for it, without the
  // desktop's opener program; false when this Ui cannot.
  virtual bool OpenWithDesktop(const std::string&) { return false; }
  // The main window's caption, also while a longer step runs.
  virtual void SetMainCaption(const std::string&) {}
  // Lets the windows answer while a longer step runs, dropping what the user types or
  // clicks meanwhile except Esc; false when Esc was pressed.
  virtual bool ContinueLongStep() { return true; }
  // The data file overview "DataFileOverviewForm"; its actions run while it is open. True when it
  // closed because a file was chosen, false for Exit (a Ui without this window answers Exit).
  virtual bool ShowDataFileTable(DataFileOverviewForm&) { return false; }
  // The table browser on an open table; its actions run while it is open. True after OK
  // (a Ui without this window answers cancel).
  virtual bool ShowTableBrowser(TableBrowserForm&) { return false; }
};

}  // namespace kalo
