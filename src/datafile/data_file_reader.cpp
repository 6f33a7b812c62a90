#include "datafile/data_file_reader.h"

#include <cstdint>
#include <filesystem>
#include <memory>

#include "calc/calculation.h"
#include "context/context.h"
#include "datafile/data_file_format.h"
#include "datafile/data_file_lines.h"
#include "datafile/documentation_file.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

// The file is read by position, as it is written: marker lines ("1. KONTUR", "ÄNDERUNGEN",
// "Dokumente") are skipped, not compared, because they are there for a human reader and a
// file written in the window code page carries "ÄNDERUNGEN" in another spelling. Every
// number line is parsed strictly, so a missing or surplus line is caught at the first
// number that is none, and the message can name that line.

constexpr int kHeaderLines = 4;        // rule, title, version, rule
constexpr int kContourMarkerLines = 4; // rule, "1. KONTUR", rule, "No. Elements"

void ReadContour(DataFileLines& lines, Contour& contour) {
  lines.Skip(kContourMarkerLines);
  long count = lines.Count(kMaxElements);
  lines.Skip(1);
  contour.Reset();
  for (int i = 1; i <= count && !lines.Failed(); ++i) {
    lines.Skip(1);
    contour[i].x = lines.Real();
    contour[i].y = lines.Real();
    contour[i].phi = lines.Real();
    lines.Skip(1);
  }
  contour.count = static_cast<uint16_t>(count);
}

// A data file holds at most 200 elements and one documentation section: far below this.
constexpr std::uintmax_t kMaxDataFileBytes = 4u << 20;

// Why an existing file cannot be a data file (a device, a pipe, a huge file), empty when
// it may be. Asked before the file is opened, so that it is neither waited for nor read
// into memory.
std::string UnlikeDataFile(const std::string& path) {
  std::error_code error;
  std::filesystem::path native(NativePath(path));
  if (!std::filesystem::exists(native, error)) return "";
  if (!std::filesystem::is_regular_file(native, error)) return "keine normale Datei";
  std::uintmax_t size = std::filesystem::file_size(native, error);
  if (!error && size > kMaxDataFileBytes) return Oem("zu groß für eine Datendatei (") + std::to_string(size) + " Bytes)";
  return "";
}

}  // namespace

void ReadDataFileContent(DataFileLines& lines, Body& body) {
  lines.Skip(kHeaderLines);
  for (std::string& remark : body.texts.remarks) remark = lines.Text();
  ReadContour(lines, body.contour);
  body.rho = lines.Real();
  if (!lines.Failed() && !(body.rho > 0)) lines.Fail(Oem("Die Dichte muß größer als 0 sein"));
  body.arcDivisionAngle = lines.RealWithin(kMinArcDivision, kMaxArcDivision);
  body.texts.name = lines.Text();
  body.texts.number = lines.Text();
  body.texts.name2 = lines.Text();
  ReadDocumentationSection(lines, body.documentation);
  ReadDocumentsSection(lines, body.documentation);
  body.materialRecord = static_cast<uint16_t>(lines.Count(UINT16_MAX));
}

Outcome ReadDataFile(Context& context, const std::string& name) {
  std::string path;
  if (!ChooseDataFile(context, name, &Ui::AskOpenFileName, path)) return context.state.Cancel();
  if (std::string reason = UnlikeDataFile(path); !reason.empty())
    return Refuse(context, "Datei " + FileNameText(FileNameOf(path)) + ": " + reason);
  if (Outcome readable = CheckFileReadable(context, path); !readable) return readable;
  std::vector<std::string> fileLines;
  if (Outcome read = ReadTextLines(path, fileLines); !read)
    return Refuse(context, "Datei " + FileNameText(FileNameOf(path)) + ": " + read.Message());
  // Read into a copy, so that a refused file leaves the current body as it was.
  auto body = std::make_unique<Body>(context.body);
  DataFileLines lines(fileLines);
  ReadDataFileContent(lines, *body);
  if (lines.Failed())
    return Refuse(context, "Datei " + FileNameText(FileNameOf(path)) + ", Zeile " + std::to_string(lines.ErrorLine()) + ": " +
                               lines.Error());
  context.body = std::move(*body);
  context.state.modified = false;
  context.state.currentFileName = BaseNameOf(path);
  context.state.askBeforeReplacing = false;
  context.state.importNotes.clear();
  context.state.foreignSolid.reset();
  if (name.empty()) context.state.dataDirectory = DirectoryOf(path);
  Calculate(context.body, context.config, context.messages);
  return Outcome::Done();
}

}  // namespace kalo
