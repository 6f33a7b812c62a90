#include "datafile/data_file_writer.h"

#include "context/context.h"
#include "datafile/data_file_format.h"
#include "datafile/documentation_file.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

void AppendHeader(const DrawingTexts& texts, std::vector<std::string>& lines) {
  const std::string rule(65, '-');
  lines.push_back(rule);
  lines.push_back(ProgramTitleLine());
  lines.push_back(std::string("Version ") + kProgramVersion);
  lines.push_back(rule);
  for (const std::string& remark : texts.remarks) lines.push_back(OneLine(remark));
}

void AppendContour(const Contour& contour, const NumberFormat& format, std::vector<std::string>& lines) {
  lines.push_back(std::string(11, '-') + " ");
  lines.push_back("1. KONTUR");
  lines.push_back(std::string(11, '-'));
  lines.push_back("No. Elements");
  lines.push_back(std::to_string(contour.count));
  lines.push_back(std::string(22, '-'));
  for (int i = 1; i <= contour.count; ++i) {
    lines.push_back(std::to_string(i) + ". Punkt");
    lines.push_back(FormatFixed3(contour[i].x, format));
    lines.push_back(FormatFixed3(contour[i].y, format));
    lines.push_back(FormatFixed3(contour[i].phi, format));
    lines.push_back(std::string(6, '-'));
  }
}

// Archive mode keeps a file named on the command line: only "aktuell" may be written.
bool ArchiveModeAllows(Context& context, const std::string& name) {
  if (!context.state.commandLineFile) return true;
  if (!context.config.archiveMode) {
    context.state.commandLineFile = false;
    return true;
  }
  if (name == "aktuell") return true;
  InfoBox(context, Oem("File- und User- Befehle sind im Archivierungsmodus nicht möglich."));
  return false;
}

}  // namespace

std::vector<std::string> DataFileContent(const Body& body, const NumberFormat& format) {
  std::vector<std::string> lines;
  lines.reserve(64 + 5 * static_cast<size_t>(body.contour.count));
  AppendHeader(body.texts, lines);
  AppendContour(body.contour, format, lines);
  lines.push_back(FormatReal7(body.rho, format));
  lines.push_back(FormatReal7(body.arcDivisionAngle, format));
  lines.push_back(OneLine(body.texts.name));
  lines.push_back(OneLine(body.texts.number));
  lines.push_back(OneLine(body.texts.name2));
  AppendDocumentationSection(body.documentation, format, lines);
  AppendDocumentsSection(body.documentation, lines);
  lines.push_back(std::to_string(body.materialRecord));
  return lines;
}

Outcome WriteDataFile(Context& context, const std::string& name, bool suppressOverwriteQuestion) {
  ProgramState& state = context.state;
  std::string path;
  if (!ArchiveModeAllows(context, name) || !ChooseDataFile(context, name, &Ui::AskSaveFileName, path))
    return state.Cancel();
  if (Outcome checked = CheckOutputFile(context, path, !suppressOverwriteQuestion); !checked) return checked;
  if (!WriteTextLines(path, DataFileContent(context.body, context.Numbers())))
    return Refuse(context, Oem("Ungültiger Dateiname") + " \"" + path + "\" !");
  if (name.empty()) {
    state.dataDirectory = DirectoryOf(path);
    state.currentFileName = BaseNameOf(path);
  }
  state.askBeforeReplacing = false;
  return Outcome::Done();
}

}  // namespace kalo
