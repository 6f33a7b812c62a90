// The paint of the graphics window: the display list replayed on the window canvas and,
// during printing, on the printer page as well.
#include <array>
#include <cmath>
#include <optional>

#include "context/context.h"
#include "geometry/plane_geometry.h"
#include "graphics/colours.h"
#include "graphics/graph_window.h"

namespace kalo {

namespace {

constexpr size_t kRecordsBetweenEvents = 50000;
constexpr long double kStartTextSize = 3.5L;
constexpr long double kTextHeightScale = 1.6L;
constexpr long double kTextWidthScale = 1.1L;
constexpr int kBorderColour = 11;
constexpr int kPrinterWidthPerPixel = 4;
constexpr int kBoldWeight = 700;
constexpr int kNormalWeight = 100;
constexpr int kLargestTextStyle = 15;
constexpr int kColourPrintout = 2;  // "Windows-Druckmodus (1=mono 2=color)"

struct Target {
  Target(Canvas& targetCanvas, const DeviceMapping& targetMapping, bool onPrinter)
      : canvas(targetCanvas), mapping(targetMapping), printer(onPrinter) {}

  Canvas& canvas;
  DeviceMapping mapping;
  bool printer;
  Pen pen;
  Rgb textColour;

  void SetPen() { canvas.SetPen(pen); }
};

// Weight and attributes of "Text Style Graphics": bit 0 bold, 1 italic, 2 underline,
// 3 strike-out. Outside 1..15 the text is plain, except that the screen takes the
// attribute bits of larger values too.
void ApplyTextStyle(int style, bool printer, FontDescription& font) {
  bool inRange = style >= 1 && style <= kLargestTextStyle;
  int attributes = inRange || (!printer && style > kLargestTextStyle) ? style : 0;
  font.weight = inRange && (style & 1) ? kBoldWeight : kNormalWeight;
  font.italic = attributes & 2;
  font.underline = attributes & 4;
  font.strikeOut = attributes & 8;
}

class Replayer {
 public:
  Replayer(GraphWindow& window, Canvas& screen, const PrinterPage* printer)
      : window_(window), config_(window.Program().config), screen_(screen, DeviceMapping(window.State()), false) {
    if (printer) {
      printer_.emplace(printer->canvas, DeviceMapping(window.State(), *printer, config_), true);
      printBorder_ = printer->settings.border;
    }
  }

  void Run() {
    screen_.canvas.SetBackground(ColourOfValue(config_.backgroundColour));
    ForEachTarget([](Target& target) { target.SetPen(); });
    DrawPrintBorder();
    const DisplayList& list = window_.List();
    for (size_t index = 0; index < list.Size(); ++index) {
      if (index % kRecordsBetweenEvents == 0) {
        window_.Host().ProcessPendingEvents();
        if (index >= list.Size()) break;  // the list was cleared meanwhile
      }
      if (!Draw(list[index])) break;
    }
  }

 private:
  template <typename F>
  void ForEachTarget(F draw) {
    draw(screen_);
    if (printer_) draw(*printer_);
  }

  Target& TextTarget() { return printer_ ? *printer_ : screen_; }

  void DrawPrintBorder() {
    if (!printer_ || !printBorder_) return;
    Target& target = *printer_;
    if (config_.colourGraphics) {
      target.pen.colour = PaletteColour(kBorderColour);
      target.SetPen();
    }
    const WorldWindow& world = window_.State().world;
    std::array<DevicePoint, 4> corners = {target.mapping.Point(world.xmin, world.ymin),
                                          target.mapping.Point(world.xmin, world.ymax),
                                          target.mapping.Point(world.xmax, world.ymax),
                                          target.mapping.Point(world.xmax, world.ymin)};
    target.canvas.MoveTo(corners[3].x, corners[3].y);
    for (DevicePoint corner : corners) target.canvas.LineTo(corner.x, corner.y);
  }

  // False ends the replay.
  bool Draw(const DisplayRecord& record) {
    const auto& v = record.values;
    switch (record.code) {
      case RecordCode::Circle:
        ForEachTarget([&](Target& t) {
          const DeviceMapping& m = t.mapping;
          t.canvas.Ellipse(m.X(v[0] - v[2]), m.Y(v[1] + v[2]), m.X(v[0] + v[2]), m.Y(v[1] - v[2]));
        });
        break;
      case RecordCode::Line:
        ForEachTarget([&](Target& t) {
          t.canvas.MoveTo(t.mapping.X(v[0]), t.mapping.Y(v[1]));
          t.canvas.LineTo(t.mapping.X(v[2]), t.mapping.Y(v[3]));
        });
        break;
      case RecordCode::Arc:
        ForEachTarget([&](Target& t) {
          const DeviceMapping& m = t.mapping;
          t.canvas.EllipseArc(m.X(v[0]), m.Y(v[3]), m.X(v[2]), m.Y(v[1]), m.Point(v[4], v[5]), m.Point(v[6], v[7]));
        });
        break;
      case RecordCode::Text:
        DrawText(v[0], v[1], window_.List().TextOf(record));
        break;
      case RecordCode::Solid:
        ForEachTarget([&](Target& t) {
          const DeviceMapping& m = t.mapping;
          std::array<DevicePoint, 4> corners = {m.Point(v[0], v[1]), m.Point(v[2], v[3]), m.Point(v[4], v[5]),
                                                m.Point(v[6], v[7])};
          t.canvas.Polygon(corners);
        });
        break;
      case RecordCode::Colour:
        ForEachTarget([&](Target& t) { ApplyColour(t, static_cast<int>(v[0])); });
        break;
      case RecordCode::TextStyle:
        textHeight_ = v[0] * kTextHeightScale * config_.textHeightFactor;
        textWidth_ = v[1] * kTextWidthScale * config_.graphicsTextWidthFactor;
        textAngle_ = v[3];
        break;
      case RecordCode::Window:
        if (!window_.ApplyWindowRecord({RoundToDevice(v[0]), RoundToDevice(v[1]), RoundToDevice(v[2]),
                                        RoundToDevice(v[3])},
                                       {v[4], v[5], v[6], v[7]}))
          return false;
        ForEachTarget([&](Target& t) { t.mapping.Follow(window_.State()); });
        break;
      case RecordCode::LineStyle:
        ForEachTarget([&](Target& t) {
          t.pen.style = PenStyleOfCode(static_cast<int>(v[0]));
          t.pen.mode = PenMode::Copy;
          t.SetPen();
        });
        break;
      case RecordCode::LineWidth:
        ForEachTarget([&](Target& t) {
          t.pen.width = static_cast<int>(v[0]) * (t.printer ? kPrinterWidthPerPixel : 1);
          t.SetPen();
        });
        break;
      case RecordCode::Sleep:
        if (!printer_) window_.Host().Pause(static_cast<int>(v[0]));
        break;
    }
    return true;
  }

  // Colour 0 is the background colour (erasing) everywhere. Colours 1..16 are drawn in
  // black when the target shows no colours; filled shapes and texts also when the screen
  // graphics is monochrome.
  void ApplyColour(Target& target, int colour) {
    Rgb brush;
    if (colour == 0) {
      brush = ColourOfValue(config_.backgroundColour);
      target.pen.colour = brush;
    } else if (colour >= 1 && colour <= kMaxColour) {
      bool inColour = target.printer ? config_.printColourMode == kColourPrintout : config_.colourGraphics;
      target.pen.colour = inColour ? PaletteColour(colour) : kBlack;
      brush = inColour && config_.colourGraphics ? PaletteColour(colour) : kBlack;
    } else {
      return;
    }
    target.textColour = brush;
    target.SetPen();
    target.canvas.SetBrush(brush);
  }

  void DrawText(long double x, long double y, const std::string& text) {
    Target& target = TextTarget();
    FontDescription font;
    font.face = config_.graphicsFont;
    font.height = target.mapping.LengthY(textHeight_);
    font.averageWidth = target.mapping.LengthX(textWidth_);
    font.escapement = RoundToDevice(textAngle_ * 10);
    ApplyTextStyle(config_.graphicsFontStyle, target.printer, font);
    long double angle = DegToRad(textAngle_);
    long double left = x - std::sin(angle) * 0.7L * textHeight_;
    long double top = y + std::cos(angle) * 0.75L * textHeight_;
    target.canvas.Text(target.mapping.X(left), target.mapping.Y(top), text, font, target.textColour);
  }

  GraphWindow& window_;
  const Configuration& config_;
  Target screen_;
  std::optional<Target> printer_;
  bool printBorder_ = false;
  long double textHeight_ = kStartTextSize;
  long double textWidth_ = kStartTextSize;
  long double textAngle_ = 0;
};

}  // namespace

void GraphWindow::FormPaint(Canvas& windowCanvas, const PrinterPage* printer) {
  host_.SetWaitCursor(true);
  lastStyle_ = kNoLineStyle;
  Replayer(*this, windowCanvas, printer).Run();
  host_.SetWaitCursor(false);
}

}  // namespace kalo
