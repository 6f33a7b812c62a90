#pragma once
// The PDF target of the CAD driver: one page of the drawing's size in millimetres, so that
// printing at 100 % gives a true-scale drawing; lines, true arcs, filled areas and texts in
// the configured font, embedded as a subset. Drawn through cairo into memory; the file is
// written as a whole in Finish.
#include <memory>
#include <string>

#include "cad/sheet_target.h"
#include "platform/clock.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

namespace kalo {

class PdfWriter : public SheetTarget {
 public:
  // The document's creation date is the run's clock time, so equal runs give equal files.
  PdfWriter(std::string path, const Configuration& config, const DateTime& now, PageMetadata metadata);
  ~PdfWriter() override;

  void SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) override;
  // Fails for a configured font that is not installed and when the file cannot be written.
  Outcome Finish() override;

 protected:
  void DrawLine(CadPoint from, CadPoint to) override;
  void DrawArc(CadPoint centre, double r, double startAngle, double endAngle) override;
  void DrawText(const PageText& text) override;
  void FillPolygon(const std::array<CadPoint, 4>& corners) override;

 private:
  // The page is made when the extents are known; none before.
  cairo_t* Page();
  void Stroke();

  std::string path_;
  DateTime now_;
  PageMetadata metadata_;
  std::string bytes_;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cairo_ = nullptr;
  std::string installedFont_;  // the font last found installed
  std::string fontProblem_;  // why a text could not be set; the drawing then fails
};

}  // namespace kalo
