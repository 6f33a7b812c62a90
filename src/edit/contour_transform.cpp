#include "edit/contour_transform.h"

#include <cmath>
#include <utility>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "edit/changed_contour.h"
#include "model/length_entry.h"
#include "platform/codepage.h"
#include "views/show_view.h"

namespace kalo {
namespace {

constexpr long double kUnlimited = 1.0E38L;

void ScaleRotateShift(Contour& contour, const ContourTransformation& t) {
  long double a = DegreesToRadians(t.rotationDegrees);
  long double cosA = std::cos(a), sinA = std::sin(a);
  for (int i = 1; i <= contour.count; ++i) {
    long double u = contour[i].x * t.sx, v = contour[i].y * t.sy;
    contour[i].x = t.dx + u * cosA - v * sinA;
    contour[i].y = t.dy + v * cosA + u * sinA;
  }
}

void MirrorContour(Contour& contour, Mirror mirror) {
  if (mirror == Mirror::None) return;
  for (int i = 1; i <= contour.count; ++i) {
    long double& coordinate = mirror == Mirror::AboutX ? contour[i].x : contour[i].y;
    coordinate = -coordinate;
    contour[i].phi = -contour[i].phi;
  }
}

// Each arc angle stays on its segment, which now runs the other way: the new phi(i) is the
// negated old phi(n - i); phi(n), which no segment uses, is only negated.
void Reverse(Contour& contour) {
  int n = contour.count;
  for (int i = 1; i <= n / 2; ++i) {
    std::swap(contour[i].x, contour[n + 1 - i].x);
    std::swap(contour[i].y, contour[n + 1 - i].y);
  }
  for (int i = 1; i <= (n - 1) / 2; ++i) std::swap(contour[i].phi, contour[n - i].phi);
  for (int i = 1; i <= n; ++i) contour[i].phi = -contour[i].phi;
}

bool AskNumber(Context& context, int helpNumber, const std::string& prompt, long double& value, long double lower,
               long double upper) {
  context.state.helpNumber = helpNumber;
  return AskReal(context, prompt, value, upper, lower);
}

// A length asked in the current unit and kept in mm.
bool AskLength(Context& context, const std::string& prompt, long double& mm) {
  UnitSystem units = context.Units();
  long double shown = LengthForDisplay(mm, units);
  std::string unit = std::string(" [") + (units.inch ? "inch" : "mm") + "]";
  if (!AskNumber(context, 8410, prompt + unit, shown, -kUnlimited, kUnlimited)) return false;
  mm = units.inch ? shown * kMmPerInch : shown;
  return true;
}

bool AskMirror(Context& context, Mirror& mirror) {
  context.state.helpNumber = 8430;
  LineList lines({"Spiegeln um Achse x", "Spiegeln um Achse y", "nicht spiegeln"});
  int index = static_cast<int>(Mirror::None);
  if (!AskChoice(context, "Spiegeln", lines, 3, index)) return false;
  mirror = static_cast<Mirror>(index);
  return true;
}

bool AskTransformation(Context& context, ContourTransformation& t) {
  std::string angleUnit = AngleUnitText(context.Units());
  if (!AskNumber(context, 8400, "Drehwinkel " + angleUnit, t.rotationDegrees, -360, 360)) return false;
  if (!AskLength(context, "Verschiebung x", t.dx) || !AskLength(context, "Verschiebung y", t.dy)) return false;
  if (!AskNumber(context, 8420, Oem("Maßstab x"), t.sx, -kUnlimited, kUnlimited)) return false;
  if (!AskNumber(context, 8420, Oem("Maßstab y"), t.sy, -kUnlimited, kUnlimited)) return false;
  if (!AskMirror(context, t.mirror)) return false;
  context.state.helpNumber = 8440;
  t.reverse = AskYesNoChoice(context, "Richtungssinn umkehren", 'N');
  return !context.state.cancel;
}

}  // namespace

void ApplyTransformation(Contour& contour, const ContourTransformation& transformation) {
  ScaleRotateShift(contour, transformation);
  MirrorContour(contour, transformation.mirror);
  if (transformation.reverse) Reverse(contour);
}

void TransformContour(Context& context) {
  ContourTransformation transformation;
  if (!AskTransformation(context, transformation)) return;
  ApplyTransformation(context.body.contour, transformation);
  if (context.body.contour.count == 0) {
    ErrorBox(context, "keine Geometrie eingegeben !");
    return;
  }
  CalculateAndShow(context, ViewNumber::GeometryWithTable, true);
}

}  // namespace kalo
