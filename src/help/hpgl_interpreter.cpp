#include "help/hpgl_interpreter.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "geometry/plane_geometry.h"
#include "graphics/screen_plotter.h"
#include "help/hpgl_polyline.h"
#include "help/hpgl_reader.h"

namespace kalo {
namespace {

constexpr std::array<int, 8> kPenColours = {0, 12, 14, 10, 11, 9, 13, 15};
constexpr int kLargestPen = 255;
constexpr int kLabelFont = 2;
constexpr long double kMmPerCm = 10;
constexpr size_t kLongestLabel = 256;
constexpr long double kUmlautCharacterSet = 3;
constexpr char kUmlautMark = '}';
constexpr long double kFullTurn = 360;

// In character set 3 "}" after a vowel makes it the umlaut (code page 850).
char Umlaut(char letter) {
  switch (letter) {
    case 'A': return static_cast<char>(142);
    case 'O': return static_cast<char>(153);
    case 'U': return static_cast<char>(154);
    case 'a': return static_cast<char>(132);
    case 'o': return static_cast<char>(148);
    case 'u': return static_cast<char>(129);
    default: return letter;
  }
}

long double DirectionDegrees(long double run, long double rise) {
  if (run == 0) return rise >= 0 ? 90 : -90;
  long double angle = RadToDeg(std::atan(rise / run));
  return run < 0 ? angle + 180 : angle;
}

class Interpreter {
 public:
  Interpreter(std::string_view bytes, ScreenPlotter& plotter, HpglPenState& pen)
      : reader_(bytes), plotter_(plotter), pen_(pen) {}

  void Run(const bool& cancel) {
    using Command = void (Interpreter::*)();
    static const std::unordered_map<std::string, Command> commands = {
        {"PU", &Interpreter::PenUp},   {"PD", &Interpreter::PenDown}, {"PA", &Interpreter::PlotAbsolute},
        {"SP", &Interpreter::SelectPen}, {"CI", &Interpreter::Circle}, {"AA", &Interpreter::ArcAbsolute},
        {"SI", &Interpreter::CharacterSize}, {"DI", &Interpreter::Direction}, {"LB", &Interpreter::Label},
        {"PE", &Interpreter::EncodedPolyline}, {"CS", &Interpreter::CharacterSet}};
    while (!cancel) {
      std::optional<std::string> mnemonic = reader_.NextMnemonic();
      if (!mnemonic) return;
      auto command = commands.find(*mnemonic);
      if (command == commands.end())
        reader_.SkipCommand();
      else
        (this->*command->second)();
    }
  }

 private:
  void UsePenColour() { plotter_.SetColor(ColourOfPen(pen_.pen)); }

  // To (x, y) in mm, drawing when the pen is down.
  void MoveTo(long double x, long double y) {
    if (pen_.penDown) {
      UsePenColour();
      plotter_.Line(pen_.x, pen_.y, x, y);
    }
    pen_.x = x;
    pen_.y = y;
  }

  void PlotPairs(const std::vector<long double>& values) {
    for (size_t i = 0; i + 1 < values.size(); i += 2)
      MoveTo(values[i] * kMmPerPlotterUnit, values[i + 1] * kMmPerPlotterUnit);
  }

  void PenUp() {
    pen_.penDown = false;
    PlotPairs(reader_.ReadParameters(true));
  }

  void PenDown() {
    pen_.penDown = true;
    PlotPairs(reader_.ReadParameters(true));
  }

  void PlotAbsolute() { PlotPairs(reader_.ReadParameters(true)); }

  void SelectPen() {
    std::vector<long double> values = reader_.ReadParameters();
    pen_.pen = values.empty() ? 1 : std::clamp(static_cast<int>(values[0]), 0, kLargestPen);
  }

  void Circle() {
    std::vector<long double> values = reader_.ReadParameters(true);
    if (values.empty()) return;
    UsePenColour();
    plotter_.Circle(pen_.x, pen_.y, std::fabs(values[0]) * kMmPerPlotterUnit);
  }

  // An arc about a centre from the current point through a sweep angle (counter-clockwise
  // when positive); the current point moves to its end whether the pen draws or not.
  void ArcAbsolute() {
    std::vector<long double> values = reader_.ReadParameters(true);
    if (values.size() < 3) return;
    long double xc = values[0] * kMmPerPlotterUnit;
    long double yc = values[1] * kMmPerPlotterUnit;
    long double sweep = values[2];
    long double radius = std::hypot(pen_.x - xc, pen_.y - yc);
    long double start = RadToDeg(std::atan2(pen_.y - yc, pen_.x - xc));
    long double end = start + sweep;
    if (pen_.penDown && sweep != 0) {
      UsePenColour();
      if (std::fmod(std::fabs(sweep), kFullTurn) == 0)
        plotter_.Circle(xc, yc, radius);
      else if (sweep > 0)
        plotter_.Arc(xc, yc, start, end, radius);
      else
        plotter_.Arc(xc, yc, end, start, radius);
    }
    pen_.x = xc + radius * std::cos(DegToRad(end));
    pen_.y = yc + radius * std::sin(DegToRad(end));
  }

  void CharacterSize() {
    std::vector<long double> values = reader_.ReadParameters();
    if (values.size() < 2) return;
    pen_.charWidth = values[0];
    pen_.charHeight = values[1];
  }

  void Direction() {
    std::vector<long double> values = reader_.ReadParameters();
    if (values.size() < 2) return;
    pen_.run = values[0];
    pen_.rise = values[1];
  }

  void CharacterSet() {
    std::vector<long double> values = reader_.ReadParameters(true);
    if (!values.empty()) pen_.charSet = values[0];
  }

  void Label() {
    std::string text;
    bool umlauts = pen_.charSet == kUmlautCharacterSet;
    for (int c = reader_.Get(); c != kEndOfFile && c != kLabelEnd && text.size() < kLongestLabel; c = reader_.Get()) {
      if (c == '\r' || c == '\n') continue;
      if (umlauts && c == kUmlautMark) {
        if (!text.empty()) text.back() = Umlaut(text.back());
        continue;
      }
      text += static_cast<char>(c);
    }
    UsePenColour();
    plotter_.SetTextStyle(kLabelFont, DirectionDegrees(pen_.run, pen_.rise), pen_.charHeight * kMmPerCm,
                          pen_.charWidth * kMmPerCm);
    plotter_.Text(text, pen_.x, pen_.y);
  }

  void EncodedPolyline() {
    for (const PolylineStep& step : DecodePolyline(reader_)) {
      if (step.kind == PolylineStep::Kind::Pen) {
        pen_.pen = step.pen;
        continue;
      }
      long double x = step.x * kMmPerPlotterUnit;
      long double y = step.y * kMmPerPlotterUnit;
      if (!step.absolute) {
        x += pen_.x;
        y += pen_.y;
      }
      pen_.penDown = !step.penUp;
      MoveTo(x, y);
      pen_.penDown = true;
    }
  }

  HpglReader reader_;
  ScreenPlotter& plotter_;
  HpglPenState& pen_;
};

}  // namespace

int ColourOfPen(int pen) {
  return pen >= 1 && pen < static_cast<int>(kPenColours.size()) ? kPenColours[pen] : pen;
}

void PlotHpgl(std::string_view bytes, ScreenPlotter& plotter, HpglPenState& pen, const bool& cancel) {
  Interpreter(bytes, plotter, pen).Run(cancel);
}

}  // namespace kalo
