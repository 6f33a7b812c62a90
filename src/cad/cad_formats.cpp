#include "cad/cad_formats.h"

#include <algorithm>

#include "cad/dxf_writer.h"
#include "cad/iges_writer.h"
#include "cad/pdf_writer.h"
#include "cad/screen_target.h"
#include "cad/svg_writer.h"
#include "cad/txt_cad_writer.h"
#include "context/context.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

PageMetadata PageMetadataOf(const Context& context) {
  const Body& body = context.body;
  return {Cp850ToUtf8(TrimBlanks(body.texts.name)), Cp850ToUtf8(TrimBlanks(body.texts.number)),
          Cp850ToUtf8(TrimBlanks(body.documentation.information.drawn.name)),
          std::string(kProgramName) + " " + kProgramVersion};
}

std::unique_ptr<CadTarget> Dxf(Context& context, const std::string& path) {
  return std::make_unique<DxfWriter>(path, context.config);
}

std::unique_ptr<CadTarget> Iges(Context& context, const std::string& path) {
  return std::make_unique<IgesWriter>(path, context.config, context.messages, context.clock.Now());
}

std::unique_ptr<CadTarget> Screen(Context& context, const std::string&) {
  return std::make_unique<ScreenTarget>(context);
}

std::unique_ptr<CadTarget> Txt(Context& context, const std::string& path) {
  return std::make_unique<TxtCadWriter>(path, context.config);
}

std::unique_ptr<CadTarget> Svg(Context& context, const std::string& path) {
  return std::make_unique<SvgWriter>(path, context.config, PageMetadataOf(context));
}

std::unique_ptr<CadTarget> Pdf(Context& context, const std::string& path) {
  return std::make_unique<PdfWriter>(path, context.config, context.clock.Now(), PageMetadataOf(context));
}

// The plot program's target writes "penplot.dxf" in the temporary folder, not a file the
// user names. SVG and PDF are reached through their own menu items and /CAD6, /CAD7.
constexpr CadFormat kFormats[] = {
    {kCadDxf, "dxf", "DXF", std::nullopt, Dxf},
    {kCadIges, "igs", "IGES", std::nullopt, Iges},
    {kCadScreen, "", "Kontrollausgabe auf Bildschirm", std::nullopt, Screen},
    {kCadPlotter, "", "Ausgabe auf Laserprinter/Plotter mit PENPLOT", std::nullopt, Dxf},
    {kCadTxt, "txt", "TXT", std::nullopt, Txt},
    {kCadSvg, "svg", "", CadMenuItem{"mi_cadSvg", ProgramCaption::DrawingAsSvg}, Svg},
    {kCadPdf, "pdf", "", CadMenuItem{"mi_cadPdf", ProgramCaption::DrawingAsPdf}, Pdf},
};

}  // namespace

std::span<const CadFormat> CadFormats() { return kFormats; }

const CadFormat* CadFormatOf(int code) {
  auto found = std::find_if(std::begin(kFormats), std::end(kFormats),
                            [code](const CadFormat& format) { return format.code == code; });
  return found == std::end(kFormats) ? nullptr : found;
}

std::string CadFileTargetList(CadFileKind kind) {
  std::string list;
  for (const CadFormat& format : kFormats) {
    if (!format.WritesNamedFile()) continue;
    if (kind != CadFileKind::Any && format.IsPage() != (kind == CadFileKind::Page)) continue;
    if (!list.empty()) list += ", ";
    list += std::to_string(format.code) + "=" + UpperCase(format.extension);
  }
  return list;
}

}  // namespace kalo
