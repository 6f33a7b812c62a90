#include "app/file_commands.h"

#include "app/recent_list.h"
#include "app/save_query.h"
#include "app/undo_commands.h"
#include "app/view_commands.h"
#include "cad/block_files.h"
#include "cad/cad_driver.h"
#include "context/context.h"
#include "datafile/data_file_format.h"
#include "datafile/data_file_reader.h"
#include "datafile/data_file_writer.h"
#include "dialogs/message_boxes.h"
#include "edit/dxf_import.h"
#include "graphics/screen_plotter.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "solid/step_input.h"
#include "views/show_view.h"

namespace kalo {
namespace {

// The template "null.kal" of the data directory, read as an unnamed body.
Outcome ReadTemplate(Context& context) {
  std::string path = DataFilePath(context.state, "null");
  if (!FileExists(path)) return Outcome::Done();
  Outcome read = ReadDataFile(context, path);
  context.state.currentFileName.clear();
  return read;
}

}  // namespace

void FileNew(Context& context) {
  if (!SaveQuery(context)) return;
  ProgramState& state = context.state;
  state.currentFileName.clear();
  Body& body = context.body;
  body.ClearDrawingTexts();
  body.documentation.changes.clear();
  body.documentation.information.NewDrawing(context.Today());
  if (context.screenPlotter) context.screenPlotter->Clear();
  state.shownView = ViewNumber::Choose;
  body.contour.Reset();
  body.ForgetResults();
  context.messages.Clear();
  if (!ReadTemplate(context)) return;
  RefreshView(context);
  state.modified = true;
  StartUndoHistory(context, false);
}

void FileOpen(Context& context) {
  if (!SaveQuery(context) || !ReadDataFile(context, "")) return;
  AddToRecentList(context, context.state.currentFileName);
  StartUndoHistory(context, true);
  RefreshView(context);
}

void FileSave(Context& context) {
  ProgramState& state = context.state;
  bool named = !state.currentFileName.empty();
  if (!WriteDataFile(context, state.currentFileName, named && !state.askBeforeReplacing)) return;
  state.modified = false;
  MarkSaved(context);
  // A body that got its name in the save dialog is found again among the recent files.
  if (!named) AddToRecentList(context, state.currentFileName);
}

void FileSaveAs(Context& context) {
  if (!WriteDataFile(context, "")) return;
  context.state.modified = false;
  MarkSaved(context);
  AddToRecentList(context, context.state.currentFileName);
}

void FileImportDxf(Context& context) {
  if (!SaveQuery(context)) return;
  ProgramState& state = context.state;
  std::string path;
  if (!context.ui.AskOpenFileName(state.dataDirectory, "DXF, STEP|*.dxf *.step *.stp|*.*|*.*", path)) return;
  Outcome imported = IsStepFileName(path) ? ImportStepContour(context, path, StepSolidChoice::Ask)
                                          : ImportDxfContour(context, path);
  if (!imported) return;
  // The imported contour is no longer the body of the data file that was open.
  state.currentFileName.clear();
  MarkSaved(context);
  RefreshView(context);
  // The drawing holds no material: the previous body's stays, which the user must know.
  state.notice = Oem("Dichte vom vorigen Körper übernommen: rho = ") +
                 FormatSignificant(context.body.rho, context.Numbers()) + " kg/dm3 (Bearbeiten > Werkstoff)";
}

void FileExportDxf(Context& context) { ShowView(context, kCadDxf, ViewNumber::Polyline); }

namespace {

// The data file read as the current body, its folder the data directory; on success it is
// the newest recent file.
void ReadNamedFile(Context& context, const std::string& path) {
  if (!ReadDataFile(context, path)) return;
  context.state.dataDirectory = DirectoryOf(path);
  AddToRecentList(context, path);
  StartUndoHistory(context, true);
  RefreshView(context);
}

}  // namespace

void FileOpenRecent(Context& context, int n) {
  ProgramState& state = context.state;
  if (n < 1 || n > kRecentEntries || !SaveQuery(context)) return;
  std::string path = state.recentFiles[static_cast<size_t>(n - 1)];
  if (path.empty()) return;
  if (!FileExists(path)) {
    RemoveRecentEntry(state, n);
    ErrorBox(context, "File " + path + " not found !");
    return;
  }
  ReadNamedFile(context, path);
}

void FileOpenPath(Context& context, const std::string& path) {
  if (SaveQuery(context)) ReadNamedFile(context, path);
}

Outcome CloseQuery(Context& context) { return SaveQuery(context); }

void DeleteTemporaryFiles(Context& context) {
  context.ui.ShowNotice(Oem("Lösche temporäre Dateien ..."));
  DeleteBlockFiles(context);
  context.ui.ShowNotice("");
}

}  // namespace kalo
