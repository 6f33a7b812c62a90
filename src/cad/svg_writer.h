#pragma once
// The SVG target of the CAD driver: one page of the drawing's size in millimetres with a
// path for each line, arc and filled area and a text element for each text (UTF-8, in the
// configured font), grouped by the layer's pen. The file is written as a whole in Finish.
#include <string>

#include "cad/sheet_target.h"

namespace kalo {

class SvgWriter : public SheetTarget {
 public:
  SvgWriter(std::string path, const Configuration& config, PageMetadata metadata);

  Outcome Finish() override;

 protected:
  void DrawLine(CadPoint from, CadPoint to) override;
  void DrawArc(CadPoint centre, double r, double startAngle, double endAngle) override;
  void DrawText(const PageText& text) override;
  void FillPolygon(const std::array<CadPoint, 4>& corners) override;

 private:
  // Opens a group with the current pen when it differs from the open group's.
  void UsePen();
  void Path(const std::string& data);
  std::string Metadata() const;

  std::string path_;
  PageMetadata metadata_;
  std::string body_;
  std::string openGroup_;
};

}  // namespace kalo
