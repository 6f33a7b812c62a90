#pragma once
// What the page targets of the CAD driver (SVG, PDF) share: the drawing's extents become a
// page of the same size in millimetres, so that one drawing unit prints as one millimetre;
// blocks are kept as recorded primitives and drawn where they are inserted; each layer
// draws in its colour, line type and line width. A format only draws what it gets in page
// coordinates (millimetres from the top left corner, y downwards).
#include <map>
#include <string>
#include <vector>

#include "context/cad_state.h"
#include "context/cad_target.h"
#include "platform/canvas.h"

namespace kalo {

struct Configuration;

// How the current layer draws on paper: colour, dash pattern and line width in mm.
struct PagePen {
  Rgb colour;
  std::vector<double> dashes;  // empty: solid
  double width = 0.25;
};

// What a page drawing says about itself (UTF-8): the drawing's name as title, its number
// as subject, its author and the program that made it.
struct PageMetadata {
  std::string title;
  std::string subject;
  std::string author;
  std::string creator;
};

// A text on the page: the UTF-8 text, its start on the base line, the cap height and
// the font size in mm, the rotation and oblique angle in degrees (counter-clockwise as seen),
// the width factor and the configured font.
struct PageText {
  std::string utf8;
  CadPoint at;
  double fontSize = 0;
  double rotation = 0;
  double oblique = 0;
  double widthFactor = 1;
  std::string font;
  bool bold = false;
  bool italic = false;
};

class SheetTarget : public CadTarget {
 public:
  explicit SheetTarget(const Configuration& config);

  void SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) override;
  void BeginBlock(const std::string& name) override;
  void EndBlock() override;
  void SetLayer(const CadLayer& layer) override;

  void Line(long double x1, long double y1, long double x2, long double y2) override;
  void Circle(long double x, long double y, long double r) override;
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override;
  void Text(const std::string& text, long double x, long double y, const CadTextState& style) override;
  void Solid(const std::array<CadPoint, 4>& corners) override;
  // Draws the recorded block; a block that was never defined draws nothing.
  void Insert(const std::string& name, long double x, long double y, long double angle, long double xScale,
              long double yScale) override;

 protected:
  double PageWidth() const { return static_cast<double>(xmax_ - xmin_); }
  double PageHeight() const { return static_cast<double>(ymax_ - ymin_); }
  const PagePen& Pen() const { return pen_; }
  const Configuration& Config() const { return config_; }

  // Page coordinates; angles in degrees counter-clockwise as seen on the page.
  virtual void DrawLine(CadPoint from, CadPoint to) = 0;
  // From startAngle counter-clockwise to endAngle; a full circle when they meet.
  virtual void DrawArc(CadPoint centre, double r, double startAngle, double endAngle) = 0;
  virtual void DrawText(const PageText& text) = 0;
  virtual void FillPolygon(const std::array<CadPoint, 4>& corners) = 0;

 private:
  // One call recorded inside a block definition, in the block's own coordinates.
  struct Primitive {
    enum class Kind { Layer, Line, Arc, Text, Solid, Insert };
    explicit Primitive(Kind what) : kind(what) {}
    Kind kind;
    std::array<CadPoint, 4> points{};
    long double r = 0;
    long double startAngle = 0;
    long double endAngle = 0;
    std::string text;  // the text, or the inserted block's name
    CadTextState style;
    CadLayer layer;
    CadBlockTransform insert;
  };

  // Records inside a block definition, else draws where the placement puts it.
  void Take(const Primitive& primitive);
  void Draw(const Primitive& primitive, const CadBlockTransform& placement, int depth);
  CadPoint OnPage(CadPoint drawing) const;

  const Configuration& config_;
  long double xmin_ = 0;
  long double ymin_ = 0;
  long double xmax_ = 210;
  long double ymax_ = 297;
  PagePen pen_;
  std::map<std::string, std::vector<Primitive>> blocks_;
  std::vector<Primitive>* recording_ = nullptr;  // the block being defined
};

}  // namespace kalo
