#include "solid/step_input.h"

#include <algorithm>
#include <cmath>
#include <strings.h>

#include "calc/calculation.h"
#include "calc/solid_properties.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "messages/messages.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "report/foreign_solid_lines.h"
#include "solid/solid_export.h"
#include "solid/solid_program.h"

namespace kalo {
namespace {

// A mass moment per unit density in mm⁵ is 1.0E-12 kg·m² per kg/dm³.
constexpr long double kKgM2PerMm5 = 1.0E-12L;

SolidAnswer AskSolidProgram(Context& context, const std::string& path, int solid) {
  SolidRequest request;
  request.job = SolidJob::Import;
  request.input = path;
  request.solid = solid;
  return RunSolidProgram(context, request);
}

// With several solids the user picks one from their volumes; 0 when cancelled.
int ChooseSolid(Context& context, const SolidAnswer& answer) {
  std::vector<std::string> items;
  NumberFormat format = context.Numbers();
  for (size_t k = 0; k < answer.solidVolumes.size(); ++k)
    items.push_back(Oem("Körper ") + std::to_string(k + 1) + ": V = " + FormatSignificant(answer.solidVolumes[k], format) +
                    " mm3");
  int index = static_cast<int>(std::max_element(answer.solidVolumes.begin(), answer.solidVolumes.end()) -
                               answer.solidVolumes.begin());
  if (!context.ui.AskChoice(Oem("Welcher Körper der STEP-Datei?"), items, index)) return 0;
  return index + 1;
}

Outcome Refuse(Context& context, const std::string& path, const SolidAnswer& answer) {
  context.state.foreignSolid.reset();
  if (answer.volume > 0) {
    ForeignSolid solid{path, answer.errors.empty() ? "" : answer.errors.front(), answer.volume, answer.surface,
                       {answer.centre[0], answer.centre[1], answer.centre[2]},
                       {answer.inertia[0], answer.inertia[1], answer.inertia[2]}};
    context.state.foreignSolid = solid;
  }
  for (const std::string& error : answer.errors) ErrorBox(context, FileNameText(path) + ": " + error);
  if (context.state.foreignSolid) {
    std::string text;
    for (const std::string& line : ForeignSolidLines(*context.state.foreignSolid, context.body.rho, context.Numbers()))
      text += (text.empty() ? "" : "\n") + line;
    InfoBox(context, text);
  }
  context.state.cancel = true;
  std::string cause = answer.errors.empty() ? std::string("?") : answer.errors.front();
  return Outcome::Failure(FileNameText(path) + ": " + cause);
}

// "Volumen: Kontur …, STEP-Körper …, Abweichung …" and whether they agree.
std::string Agreement(const char* what, long double contour, long double solid, const char* unit, bool& agree) {
  long double deviation = solid != 0 ? std::fabs(contour - solid) / std::fabs(solid) : std::fabs(contour);
  agree = agree && deviation <= kSolidCheckTolerance;
  NumberFormat precise{12, false};
  char relative[32];
  std::snprintf(relative, sizeof relative, "%.1Le", deviation);
  return std::string("  ") + what + ": Kontur " + FormatSignificant(contour, precise) + Oem(", STEP-Körper ") +
         FormatSignificant(solid, precise) + " " + unit + ", Abweichung " + relative;
}

std::vector<std::string> CheckLines(Context& context, const SolidAnswer& answer) {
  MessageCollection quiet;
  SolidProperties exact = ComputeSolidTotals(context.body, ArcModel::Exact, quiet, context.Numbers());
  long double rho = context.body.rho;
  bool agree = true;
  std::vector<std::string> lines = {
      Oem("Prüfung der Kontur (exakte Bögen) gegen OpenCascades Werte des STEP-Körpers:"),
      Agreement("Volumen", exact.volume, answer.volume, "mm3", agree),
      Agreement(Oem("Oberfläche").c_str(), exact.surface, answer.surface, "mm2", agree),
      Agreement("Jx", exact.Jx, answer.inertia[0] * rho * kKgM2PerMm5, "kgm2", agree),
  };
  lines.push_back(agree ? Oem("  stimmt auf 1E-9 überein")
                        : Oem("  ACHTUNG: Abweichung über 1E-9 (genäherte Kurven?)"));
  return lines;
}

void TakeContour(Context& context, const std::string& path, const SolidAnswer& answer) {
  Contour& contour = context.body.contour;
  contour.Reset();
  for (size_t i = 0; i < answer.elements.size(); ++i) contour[static_cast<int>(i + 1)] = answer.elements[i];
  contour.count = static_cast<uint16_t>(answer.elements.size());
  context.state.modified = false;
  context.state.foreignSolid.reset();
  Calculate(context.body, context.config, context.messages);
  std::vector<std::string> notes = {"Datei " + FileNameText(FileNameOf(path))};
  notes.insert(notes.end(), answer.notes.begin(), answer.notes.end());
  for (const std::string& line : CheckLines(context, answer)) notes.push_back(line);
  context.state.importNotes = notes;
  context.state.importHeading = "STEP-IMPORT";
  context.state.cancel = false;
}

}  // namespace

bool IsStepFileName(const std::string& name) {
  size_t dot = name.rfind('.');
  if (dot == std::string::npos) return false;
  std::string extension = name.substr(dot + 1);
  return strcasecmp(extension.c_str(), "step") == 0 || strcasecmp(extension.c_str(), "stp") == 0;
}

Outcome ImportStepContour(Context& context, const std::string& path, StepSolidChoice choice) {
  SolidAnswer answer = AskSolidProgram(context, path, 0);
  if (choice == StepSolidChoice::Ask && answer.solidVolumes.size() > 1) {
    int chosen = ChooseSolid(context, answer);
    if (chosen == 0) return context.state.Cancel();
    answer = AskSolidProgram(context, path, chosen);
  }
  if (!answer.done) return Refuse(context, path, answer);
  TakeContour(context, path, answer);
  return Outcome::Done();
}

}  // namespace kalo
