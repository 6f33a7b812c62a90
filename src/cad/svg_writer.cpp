#include "cad/svg_writer.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>

#include "platform/text_file.h"

namespace kalo {
namespace {

// Millimetres to a thousandth, without trailing zeros.
std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", value);
  std::string number = text;
  number.erase(number.find_last_not_of('0') + 1);
  if (number.back() == '.') number.pop_back();
  return number == "-0" ? "0" : number;
}

std::string Coordinates(CadPoint p) { return Number(static_cast<double>(p.x)) + " " + Number(static_cast<double>(p.y)); }

std::string HexColour(Rgb c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red, c.green, c.blue);
  return text;
}

std::string Escaped(const std::string& utf8) {
  std::string text;
  for (char c : utf8) {
    switch (c) {
      case '&': text += "&amp;"; break;
      case '<': text += "&lt;"; break;
      case '>': text += "&gt;"; break;
      case '"': text += "&quot;"; break;
      default: text += c;
    }
  }
  return text;
}

// A point on the circle at the angle, counter-clockwise as seen (page y runs downwards).
CadPoint OnCircle(CadPoint centre, double r, double degrees) {
  double a = degrees * std::numbers::pi / 180;
  return {centre.x + r * std::cos(a), centre.y - r * std::sin(a)};
}

}  // namespace

SvgWriter::SvgWriter(std::string path, const Configuration& config, PageMetadata metadata)
    : SheetTarget(config), path_(std::move(path)), metadata_(std::move(metadata)) {}

// The title as SVG's own element; all four in the RDF terms drawing programs read (Dublin
// Core, and XMP for the program).
std::string SvgWriter::Metadata() const {
  auto element = [](const std::string& name, const std::string& value) {
    return "<" + name + ">" + Escaped(value) + "</" + name + ">";
  };
  return element("title", metadata_.title) + "\n<metadata><rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\"" +
         " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">"
         "<rdf:Description>" + element("dc:title", metadata_.title) +
         element("dc:subject", metadata_.subject) + element("dc:creator", metadata_.author) +
         element("xmp:CreatorTool", metadata_.creator) + "</rdf:Description></rdf:RDF></metadata>\n";
}

void SvgWriter::UsePen() {
  const PagePen& pen = Pen();
  std::string group = "<g fill=\"none\" stroke=\"" + HexColour(pen.colour) + "\" stroke-width=\"" + Number(pen.width) +
                      "\" stroke-linecap=\"round\"";
  if (!pen.dashes.empty()) {
    group += " stroke-dasharray=\"";
    for (size_t i = 0; i < pen.dashes.size(); ++i) group += (i ? " " : "") + Number(pen.dashes[i]);
    group += "\"";
  }
  group += ">\n";
  if (group == openGroup_) return;
  if (!openGroup_.empty()) body_ += "</g>\n";
  body_ += group;
  openGroup_ = std::move(group);
}

void SvgWriter::Path(const std::string& data) {
  UsePen();
  body_ += "<path d=\"" + data + "\"/>\n";
}

void SvgWriter::DrawLine(CadPoint from, CadPoint to) { Path("M" + Coordinates(from) + " L" + Coordinates(to)); }

void SvgWriter::DrawArc(CadPoint centre, double r, double startAngle, double endAngle) {
  double sweep = std::fmod(endAngle - startAngle, 360.0);
  if (sweep <= 0) sweep += 360;
  std::string radii = " A" + Number(r) + " " + Number(r) + " 0 ";
  // A whole circle is two half arcs: an arc cannot end where it starts.
  if (sweep >= 360) {
    Path("M" + Coordinates(OnCircle(centre, r, 0)) + radii + "1 0 " + Coordinates(OnCircle(centre, r, 180)) + radii +
         "1 0 " + Coordinates(OnCircle(centre, r, 0)) + " Z");
    return;
  }
  Path("M" + Coordinates(OnCircle(centre, r, startAngle)) + radii + (sweep > 180 ? "1" : "0") + " 0 " +
       Coordinates(OnCircle(centre, r, startAngle + sweep)));
}

void SvgWriter::DrawText(const PageText& text) {
  UsePen();
  body_ += "<text transform=\"translate(" + Coordinates(text.at) + ") rotate(" + Number(-text.rotation) + ") skewX(" +
           Number(-text.oblique) + ") scale(" + Number(text.widthFactor) + " 1)\" font-family=\"" +
           Escaped(text.font) + "\" font-size=\"" + Number(text.fontSize) + "\"" +
           (text.bold ? " font-weight=\"bold\"" : "") + (text.italic ? " font-style=\"italic\"" : "") +
           " fill=\"" + HexColour(Pen().colour) + "\" stroke=\"none\" xml:space=\"preserve\">" + Escaped(text.utf8) +
           "</text>\n";
}

void SvgWriter::FillPolygon(const std::array<CadPoint, 4>& c) {
  UsePen();
  body_ += "<path d=\"M" + Coordinates(c[0]) + " L" + Coordinates(c[1]) + " L" + Coordinates(c[2]) + " L" +
           Coordinates(c[3]) + " Z\" fill=\"" + HexColour(Pen().colour) + "\" stroke=\"none\"/>\n";
}

Outcome SvgWriter::Finish() {
  std::string width = Number(PageWidth());
  std::string height = Number(PageHeight());
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    width + "mm\" height=\"" + height + "mm\" viewBox=\"0 0 " + width + " " + height + "\">\n" +
                    Metadata() + "<rect width=\"" + width + "\" height=\"" + height + "\" fill=\"#ffffff\"/>\n" + body_ +
                    (openGroup_.empty() ? "" : "</g>\n") + "</svg>\n";
  return WriteFileContent(path_, svg);
}

}  // namespace kalo
