#include "cad/pdf_writer.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <fcntl.h>
#include <strings.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>
#include <vector>

#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }

cairo_status_t Append(void* bytes, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(bytes)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void SetColour(cairo_t* c, Rgb colour) {
  cairo_set_source_rgb(c, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

std::string IsoDate(const DateTime& t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

std::string FamilyOf(FcPattern* pattern, int index, FcValueBinding* binding) {
  FcValue value;
  FcValueBinding ignored;
  if (FcPatternGetWithBinding(pattern, FC_FAMILY, index, &value, binding ? binding : &ignored) != FcResultMatch ||
      value.type != FcTypeString)
    return "";
  return reinterpret_cast<const char*>(value.u.s);
}

// True when fontconfig finds the family itself or a face it names as its equal (such as a
// metric-compatible replacement), not merely a fallback.
bool FontInstalled(const std::string& family) {
  FcPattern* wanted = FcPatternCreate();
  FcPatternAddString(wanted, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
  FcDefaultSubstitute(wanted);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, wanted, &result);
  bool installed = false;
  if (match) {
    std::string found = FamilyOf(match, 0, nullptr);
    // The families the configuration binds weakly are fallbacks of any family.
    FcValueBinding binding;
    for (int i = 0; !installed; ++i) {
      std::string candidate = FamilyOf(wanted, i, &binding);
      if (candidate.empty()) break;
      installed = strcasecmp(candidate.c_str(), found.c_str()) == 0 && (i == 0 || binding != FcValueBindingWeak);
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(wanted);
  return installed;
}

// Descriptors fontconfig may need at once to read its configuration and a font.
constexpr int kFontDescriptors = 8;

// Whether the process can still open that many files: fontconfig finds no font at all when
// it cannot open its files, which must not read as a font that is missing.
bool DescriptorsRunShort() {
  std::vector<int> opened;
  for (int i = 0; i < kFontDescriptors; ++i) {
    int file = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (file < 0) break;
    opened.push_back(file);
  }
  for (int file : opened) close(file);
  return opened.size() < static_cast<size_t>(kFontDescriptors);
}

// Why the font cannot be used.
std::string FontProblem(const std::string& family) {
  std::string font = "Schriftart \"" + family + "\"";
  if (DescriptorsRunShort()) return font + " nicht lesbar: zu viele offene Dateien";
  return font + " ist nicht installiert";
}

}  // namespace

PdfWriter::PdfWriter(std::string path, const Configuration& config, const DateTime& now, PageMetadata metadata)
    : SheetTarget(config), path_(std::move(path)), now_(now), metadata_(std::move(metadata)) {}

PdfWriter::~PdfWriter() {
  if (cairo_) cairo_destroy(cairo_);
  if (surface_) cairo_surface_destroy(surface_);
}

void PdfWriter::SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) {
  SheetTarget::SetExtents(xmin, ymin, xmax, ymax);
  if (surface_) cairo_pdf_surface_set_size(surface_, kPointsPerMm * PageWidth(), kPointsPerMm * PageHeight());
}

cairo_t* PdfWriter::Page() {
  if (cairo_) return cairo_;
  surface_ = cairo_pdf_surface_create_for_stream(Append, &bytes_, kPointsPerMm * PageWidth(),
                                                 kPointsPerMm * PageHeight());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATE_DATE, IsoDate(now_).c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, metadata_.creator.c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, metadata_.title.c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_SUBJECT, metadata_.subject.c_str());
  cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_AUTHOR, metadata_.author.c_str());
  cairo_ = cairo_create(surface_);
  cairo_scale(cairo_, kPointsPerMm, kPointsPerMm);
  cairo_set_line_cap(cairo_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cairo_, CAIRO_LINE_JOIN_ROUND);
  return cairo_;
}

void PdfWriter::Stroke() {
  const PagePen& pen = Pen();
  SetColour(cairo_, pen.colour);
  cairo_set_line_width(cairo_, pen.width);
  cairo_set_dash(cairo_, pen.dashes.data(), static_cast<int>(pen.dashes.size()), 0);
  cairo_stroke(cairo_);
}

void PdfWriter::DrawLine(CadPoint from, CadPoint to) {
  cairo_t* c = Page();
  cairo_move_to(c, static_cast<double>(from.x), static_cast<double>(from.y));
  cairo_line_to(c, static_cast<double>(to.x), static_cast<double>(to.y));
  Stroke();
}

// The page's y runs downwards: counter-clockwise as seen is cairo's negative direction.
void PdfWriter::DrawArc(CadPoint centre, double r, double startAngle, double endAngle) {
  cairo_t* c = Page();
  cairo_new_path(c);
  double x = static_cast<double>(centre.x);
  double y = static_cast<double>(centre.y);
  if (endAngle - startAngle >= 360)
    cairo_arc(c, x, y, r, 0, 2 * std::numbers::pi);
  else
    cairo_arc_negative(c, x, y, r, -Radians(startAngle), -Radians(endAngle));
  Stroke();
}

void PdfWriter::DrawText(const PageText& text) {
  if (text.utf8.empty()) return;
  if (!fontProblem_.empty()) return;
  if (text.font != installedFont_) {
    if (!FontInstalled(text.font)) {
      fontProblem_ = FontProblem(text.font);
      return;
    }
    installedFont_ = text.font;
  }
  cairo_t* c = Page();
  cairo_save(c);
  cairo_translate(c, static_cast<double>(text.at.x), static_cast<double>(text.at.y));
  cairo_rotate(c, -Radians(text.rotation));
  cairo_matrix_t slant;
  cairo_matrix_init(&slant, 1, 0, -std::tan(Radians(text.oblique)), 1, 0, 0);
  cairo_transform(c, &slant);
  cairo_scale(c, text.widthFactor, 1);
  cairo_select_font_face(c, text.font.c_str(), text.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         text.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(c, text.fontSize);
  SetColour(c, Pen().colour);
  cairo_move_to(c, 0, 0);
  cairo_show_text(c, text.utf8.c_str());
  cairo_restore(c);
}

void PdfWriter::FillPolygon(const std::array<CadPoint, 4>& corners) {
  cairo_t* c = Page();
  cairo_new_path(c);
  for (const CadPoint& p : corners) cairo_line_to(c, static_cast<double>(p.x), static_cast<double>(p.y));
  cairo_close_path(c);
  SetColour(c, Pen().colour);
  cairo_fill(c);
}

Outcome PdfWriter::Finish() {
  if (!fontProblem_.empty()) return Outcome::Failure(fontProblem_);
  Page();
  cairo_destroy(cairo_);
  cairo_ = nullptr;
  cairo_surface_finish(surface_);
  cairo_status_t status = cairo_surface_status(surface_);
  if (status != CAIRO_STATUS_SUCCESS) return Outcome::Failure(cairo_status_to_string(status));
  return WriteFileContent(path_, bytes_);
}

}  // namespace kalo
