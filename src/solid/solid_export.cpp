#include "solid/solid_export.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fstream>
#include <sstream>

#include "cad/ascii_spelling.h"
#include "calc/solid_properties.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "messages/messages.h"
#include "numbers/number_format.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"
#include "solid/solid_program.h"

namespace kalo {
namespace {

constexpr long double kLargestDeflection = 0.01L;      // mm
constexpr long double kRelativeDeflection = 1e-4L;

std::vector<ContourElement> Elements(const Contour& contour) {
  std::vector<ContourElement> elements;
  for (int i = 1; i <= contour.count; ++i) elements.push_back(contour[i]);
  return elements;
}

SolidRequest RequestFor(Context& context, SolidJob job) {
  const Body& body = context.body;
  SolidRequest request;
  request.job = job;
  request.output = ScratchFile(context, std::string("solid.") + SolidFileExtension(job));
  request.productName = SpellOutAscii(body.texts.name.empty() ? context.state.currentFileName : body.texts.name);
  request.productId = SpellOutAscii(body.texts.number);
  request.deflection = StlDeflection(body);
  request.elements = Elements(body.contour);
  return request;
}

// Empty when OpenCascade's value agrees with the exact one, else what differs.
std::string Disagreement(const char* what, long double made, long double exact) {
  if (std::fabs(made - exact) <= kSolidCheckTolerance * std::fabs(exact)) return "";
  NumberFormat format{12, false};
  return Oem("Selbstprüfung: ") + what + " des Körpers von OpenCascade " + FormatSignificant(made, format) +
         ", exakt " + FormatSignificant(exact, format) + Oem(": keine Datei geschrieben");
}

std::vector<std::string> CheckAgainstExact(Context& context, const SolidAnswer& answer) {
  MessageCollection quiet;
  SolidProperties exact = ComputeSolidTotals(context.body, ArcModel::Exact, quiet, context.Numbers());
  std::vector<std::string> problems;
  for (std::string problem : {Disagreement("Volumen", answer.volume, exact.volume),
                              Disagreement("Oberfläche", answer.surface, exact.surface)})
    if (!problem.empty()) problems.push_back(problem);
  return problems;
}

bool MoveIntoPlace(Context& context, const std::string& made, const std::string& path) {
  std::ifstream in(made, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  int failure = in ? ReplaceFile(path, bytes.str()) : EIO;
  RemoveFile(made);
  if (failure == 0) return true;
  ErrorBox(context, FileNameText(path) + ": " + WriteErrorText(failure, path));
  return false;
}

}  // namespace

long double StlDeflection(const Body& body) {
  long double size = std::max(body.bounds.length, 2 * static_cast<long double>(body.bounds.ymax));
  return std::min(kLargestDeflection, kRelativeDeflection * size);
}

const char* SolidFileExtension(SolidJob job) { return job == SolidJob::Stl ? "stl" : "step"; }

bool ExportSolid(Context& context, SolidJob job, const std::string& path) {
  SolidRequest request = RequestFor(context, job);
  if (request.output.empty()) return false;
  SolidAnswer answer = RunSolidProgram(context, request);
  std::vector<std::string> problems = answer.errors;
  if (answer.done) problems = CheckAgainstExact(context, answer);
  if (!answer.done && problems.empty()) problems.push_back(Oem("kalo-solid meldet keinen Erfolg"));
  if (!problems.empty()) {
    for (const std::string& problem : problems) ErrorBox(context, FileNameText(path) + ": " + problem);
    RemoveFile(request.output);
    return false;
  }
  return MoveIntoPlace(context, request.output, path);
}

}  // namespace kalo
