#include "help/help_picture_browser.h"

#include <algorithm>

#include "context/context.h"
#include "dialogs/io_reporters.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_picture.h"
#include "help/help_picture_form.h"
#include "help/help_picture_index.h"
#include "help/help_text.h"
#include "help/printer_port.h"
#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "platform/paths.h"

namespace kalo {
namespace {

constexpr int kLargestPort = 4;
constexpr const char* kPortPrompt = "Druckerschnittstelle (max = 3, default=1)";
constexpr const char* kPlotFileMask = "*.plt";

// The index as it stands; false when there is none. A damaged one is reported once per
// browser run and read all the same.
bool ReadIndex(Context& context, HelpPictureIndex& index, bool& damageReported) {
  std::string bytes;
  if (!ReadPlotFile(HelpPictureIndexPath(context), bytes)) return false;
  index = HelpPictureIndex(bytes);
  if (index.Damaged() && !damageReported) ErrorBox(context, "DBH file error");
  damageReported = damageReported || index.Damaged();
  return true;
}

void SaveIndex(Context& context, const HelpPictureIndex& index) {
  std::string path = HelpPictureIndexPath(context);
  int error = ReplaceFile(path, index.Bytes());
  if (error == 0) return;
  ErrorBox(context, WriteFailureMessage(error, path));
  context.state.cancel = true;
}

std::vector<std::string> PictureLines(const HelpPictureIndex& index) {
  std::vector<std::string> lines;
  for (const HelpPictureEntry& entry : index.Entries()) lines.push_back(PictureLine(entry.name, entry.information));
  return lines;
}

// Entry 0..n-1 chosen from the list under the title.
bool ChooseEntry(Context& context, const HelpPictureIndex& index, const std::string& title, int& entry) {
  int chosen = entry + 1;
  std::vector<std::string> lines = PictureLines(index);
  if (!AskChoice(context, title, LineList(lines), static_cast<int>(lines.size()), chosen)) return false;
  entry = chosen - 1;
  return true;
}

// The entry selected in the window, or when a command line was selected, one chosen.
bool SelectedOrChosen(Context& context, const HelpPictureIndex& index, int selected, const std::string& title,
                      int& entry) {
  entry = selected;
  if (selected >= 0 && selected < static_cast<int>(index.Entries().size())) return true;
  entry = 0;
  return ChooseEntry(context, index, title, entry);
}

// A plot file chosen in the help picture folder: its base name.
bool ChoosePlotFile(Context& context, std::string& name) {
  std::string path = WithSeparator(context.config.pltDirectory);
  if (!AskFile(context, path, kPlotFileMask)) return false;
  name = BaseNameOf(path).substr(0, kPictureNameLength);
  return true;
}

bool AskInformation(Context& context, std::string& information) {
  SetHelpNumber(context, kPictureInformationHelp);
  return AskText(context, "Information zum Hilfebild", static_cast<int>(kPictureInformationLength), information);
}

bool AskNewEntry(Context& context, HelpPictureEntry& entry) {
  return ChoosePlotFile(context, entry.name) && AskInformation(context, entry.information);
}

void AppendPicture(Context& context, HelpPictureIndex& index) {
  HelpPictureEntry entry;
  if (!AskNewEntry(context, entry)) return;
  index.Append(entry);
  SaveIndex(context, index);
}

void DeletePicture(Context& context, HelpPictureIndex& index, int selected) {
  SetHelpNumber(context, kPictureDeleteHelp);
  int entry = 0;
  if (!SelectedOrChosen(context, index, selected, Oem("Zu löschende Zeile wählen..."), entry)) return;
  if (entry == selected) {
    const HelpPictureEntry& picture = index.Entries()[static_cast<size_t>(entry)];
    if (!AskYesNo(context, PictureLine(picture.name, picture.information) + "   " + Oem("Löschen ?"))) return;
  }
  index.Delete(static_cast<size_t>(entry));
  SaveIndex(context, index);
}

void ChangePicture(Context& context, HelpPictureIndex& index, int selected) {
  SetHelpNumber(context, kPictureChangeHelp);
  int line = 0;
  if (!SelectedOrChosen(context, index, selected, Oem("Zu ändernde Zeile wählen..."), line)) return;
  HelpPictureEntry entry = index.Entries()[static_cast<size_t>(line)];
  SetHelpNumber(context, kPictureNameHelp);
  if (!AskText(context, "Dateiname (ohne Endung .plt)", static_cast<int>(kPictureNameLength), entry.name)) return;
  if (!AskInformation(context, entry.information)) return;
  index.Change(static_cast<size_t>(line), entry);
  SaveIndex(context, index);
}

void InsertPicture(Context& context, HelpPictureIndex& index, int selected) {
  SetHelpNumber(context, kPictureInsertHelp);
  int before = std::max(selected, 0);
  if (!ChooseEntry(context, index, Oem("Vor welche Zeile einfügen ?"), before)) return;
  HelpPictureEntry entry;
  if (!AskNewEntry(context, entry)) return;
  index.Insert(static_cast<size_t>(before), entry);
  SaveIndex(context, index);
}

void PrintPicture(Context& context, const HelpPictureIndex& index, int selected) {
  SetHelpNumber(context, kPicturePrintHelp);
  int entry = std::max(selected, 0);
  if (!ChooseEntry(context, index, "Welches Bild ausdrucken ?", entry)) return;
  SetHelpNumber(context, kPrinterPortHelp);
  long double port = 1;
  if (!AskReal(context, kPortPrompt, port, kLargestPort, 1)) return;
  SetHelpNumber(context, kControlSequenceHelp);
  bool control = AskYesNoChoice(context, Oem("Steuersequenz für HP-GL/2-Laserdrucker vorausschicken ?"), 'J');
  if (context.state.cancel) return;
  const std::string& name = index.Entries()[static_cast<size_t>(entry)].name;
  PrintHelpPicture(context, HelpPicturePath(context, name), static_cast<int>(port), control);
}

void RunCommand(Context& context, HelpPictureIndex& index, PictureCommand command, int selected) {
  switch (command) {
    case PictureCommand::Append: return AppendPicture(context, index);
    case PictureCommand::Delete: return DeletePicture(context, index, selected);
    case PictureCommand::Change: return ChangePicture(context, index, selected);
    case PictureCommand::Insert: return InsertPicture(context, index, selected);
    case PictureCommand::Print: return PrintPicture(context, index, selected);
  }
}

// Without an index: a plot file chosen in a file dialog, whose folder becomes the help
// picture folder. False when the user cancels.
bool ShowChosenPlotFile(Context& context) {
  std::string path = WithSeparator(context.config.pltDirectory);
  if (!AskFile(context, path, kPlotFileMask)) return false;
  context.config.pltDirectory = DirectoryOf(path);
  ShowHelpPictureFile(context, path);
  return true;
}

}  // namespace

void BrowseHelpPictures(Context& context) {
  bool first = true;
  bool damageReported = false;
  int preselected = 0;
  for (;;) {
    SetHelpNumber(context, kPictureListHelp);
    HelpPictureIndex index;
    if (!ReadIndex(context, index, damageReported)) {
      if (!ShowChosenPlotFile(context)) return;
      continue;
    }
    int pictures = static_cast<int>(index.Entries().size());
    int request = 0;
    int selected = 0;
    if (!first || pictures == 0) {
      HelpPictureForm form(context, PictureLines(index), preselected < 0 ? pictures - 1 : preselected);
      if (!context.ui.ShowHelpPictureBrowser(form) || form.Request() < 0) return;
      request = form.Request();
      selected = form.Selected();
    }
    first = false;
    context.state.cancel = false;
    if (request < pictures) {
      ShowHelpPicture(context, index.Entries()[static_cast<size_t>(request)].name);
      preselected = request;
      continue;
    }
    RunCommand(context, index, static_cast<PictureCommand>(request - pictures), selected);
    preselected = -1;  // the last entry
  }
}

void PrintHelpPicture(Context& context, const std::string& path, int port, bool controlSequences) {
  std::string bytes;
  if (!ReadPlotFile(path, bytes)) {
    CheckFileReadable(context, path);
    return;
  }
  if (controlSequences) bytes = kHpgl2Start + bytes + kHpgl2End;
  std::string portPath = context.platform.PrinterPortPath(port);
  bool closeFailed = false;
  int error = SendToPrinterPort(portPath, bytes, closeFailed);
  if (error == 0) return;
  ErrorBox(context, closeFailed ? Oem("Fehler beim Schließen einer Datei") + "   " + portPath : WriteFailureMessage(error, portPath));
  context.state.cancel = true;
}

}  // namespace kalo
