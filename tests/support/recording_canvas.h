#pragma once
// A Canvas that records every call, for tests (as readable lines) and for benchmarks of
// the replay (as compact records; texts and fonts aside).
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace kalo::testing {

struct CanvasCall {
  enum class Kind { Pen, Brush, Background, MoveTo, LineTo, Ellipse, EllipseArc, Polygon, Text };
  Kind kind = Kind::MoveTo;
  int count = 0;                 // values used (polygons: two per corner, at most four corners)
  std::array<int, 8> values{};
  Pen pen;
  Rgb colour;                    // brush, background and text colour
  size_t text = 0;               // index of a text call's text and font
};

struct RecordedText {
  std::string utf8;
  FontDescription font;
};

class RecordingCanvas : public Canvas {
 public:
  void SetPen(const Pen& pen) override { Add(CanvasCall::Kind::Pen, {}).pen = pen; }
  void SetBrush(Rgb colour) override { Add(CanvasCall::Kind::Brush, {}).colour = colour; }
  void SetBackground(Rgb colour) override { Add(CanvasCall::Kind::Background, {}).colour = colour; }
  void MoveTo(int x, int y) override { Add(CanvasCall::Kind::MoveTo, {x, y}); }
  void LineTo(int x, int y) override { Add(CanvasCall::Kind::LineTo, {x, y}); }
  void Ellipse(int left, int top, int right, int bottom) override {
    Add(CanvasCall::Kind::Ellipse, {left, top, right, bottom});
  }
  void EllipseArc(int left, int top, int right, int bottom, DevicePoint start, DevicePoint end) override {
    Add(CanvasCall::Kind::EllipseArc, {left, top, right, bottom, start.x, start.y, end.x, end.y});
  }
  void Polygon(std::span<const DevicePoint> corners) override {
    CanvasCall& call = Add(CanvasCall::Kind::Polygon, {});
    call.count = static_cast<int>(std::min<size_t>(corners.size(), 4) * 2);
    for (int i = 0; i < call.count / 2; ++i) {
      call.values[2 * i] = corners[i].x;
      call.values[2 * i + 1] = corners[i].y;
    }
  }
  void Text(int x, int y, const std::string& utf8, const FontDescription& font, Rgb colour) override {
    CanvasCall& call = Add(CanvasCall::Kind::Text, {x, y});
    call.text = texts.size();
    call.colour = colour;
    texts.push_back({utf8, font});
  }

  // One line per call, such as "line 10 20" or "pen 0,0,128 solid 1 copy".
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (const CanvasCall& call : calls) lines.push_back(Describe(call));
    return lines;
  }
  // The lines of the drawing calls only (no pens, brushes, background).
  std::vector<std::string> Shapes() const {
    std::vector<std::string> lines;
    for (const CanvasCall& call : calls)
      if (call.kind > CanvasCall::Kind::Background) lines.push_back(Describe(call));
    return lines;
  }

  std::string Describe(const CanvasCall& call) const {
    static const char* const kNames[] = {"pen",     "brush",   "background", "move", "line",
                                         "ellipse", "arc",     "polygon",    "text"};
    static const char* const kStyles[] = {"solid", "dotted", "dashdot", "dashed"};
    std::string line = kNames[static_cast<int>(call.kind)];
    for (int i = 0; i < call.count; ++i) line += " " + std::to_string(call.values[i]);
    switch (call.kind) {
      case CanvasCall::Kind::Pen:
        line += " " + Colour(call.pen.colour) + " " + kStyles[static_cast<int>(call.pen.style)] + " " +
                std::to_string(call.pen.width) + (call.pen.mode == PenMode::Copy ? " copy" : " not");
        break;
      case CanvasCall::Kind::Brush:
      case CanvasCall::Kind::Background: line += " " + Colour(call.colour); break;
      case CanvasCall::Kind::Text: {
        const FontDescription& f = texts[call.text].font;
        line += " '" + texts[call.text].utf8 + "' " + f.face + " " + std::to_string(f.height) + " " +
                std::to_string(f.averageWidth) + " " + std::to_string(f.escapement) + " " + std::to_string(f.weight) +
                (f.italic ? " i" : "") + (f.underline ? " u" : "") + (f.strikeOut ? " s" : "") + " " +
                Colour(call.colour);
        break;
      }
      default: break;
    }
    return line;
  }

  static std::string Colour(Rgb colour) {
    return std::to_string(colour.red) + "," + std::to_string(colour.green) + "," + std::to_string(colour.blue);
  }

  std::vector<CanvasCall> calls;
  std::vector<RecordedText> texts;

 private:
  CanvasCall& Add(CanvasCall::Kind kind, std::initializer_list<int> values) {
    CanvasCall& call = calls.emplace_back();
    call.kind = kind;
    call.count = static_cast<int>(values.size());
    std::copy(values.begin(), values.end(), call.values.begin());
    return call;
  }
};

}  // namespace kalo::testing
