#include "cad/txt_cad_writer.h"

#include <initializer_list>
#include <utility>

#include "cad/dxf_numbers.h"
#include "context/configuration.h"
#include "numbers/number_format.h"
#include "platform/text_file.h"

namespace kalo {

TxtCadWriter::TxtCadWriter(std::string path, const Configuration& config) : path_(std::move(path)), config_(config) {}

std::string TxtCadWriter::Number(long double value) const {
  std::string text = FormatDecimals(value, CadDecimals(config_));
  if (config_.decimalSeparator == DecimalSeparator::Comma)
    for (char& c : text)
      if (c == '.') c = ',';
  return text;
}

void TxtCadWriter::Record(const std::string& keyword, std::initializer_list<std::string> fields) {
  std::string line = keyword;
  for (const std::string& field : fields) line += "\t" + field;
  lines_.push_back(line);
}

void TxtCadWriter::SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) {
  Record("MINMAX", {Number(xmin), Number(ymin), Number(xmax), Number(ymax)});
}

void TxtCadWriter::BeginBlocks() { Record("SECTION BLOCKS", {}); }
void TxtCadWriter::BeginBlock(const std::string& name) { Record("BLOCK", {name}); }
void TxtCadWriter::EndBlock() { Record("END OF BLOCK", {}); }
void TxtCadWriter::BeginEntities() { Record("SECTION ENTITIES", {}); }

void TxtCadWriter::Line(long double x1, long double y1, long double x2, long double y2) {
  Record("LINE", {Number(x1), Number(y1), Number(x2), Number(y2)});
}

void TxtCadWriter::Circle(long double x, long double y, long double r) {
  Record("CIRCLE", {Number(x), Number(y), Number(r)});
}

void TxtCadWriter::Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) {
  if (IsFullCircle(startAngle, endAngle))
    Circle(x, y, r);
  else
    Record("ARC", {Number(x), Number(y), Number(r), Number(startAngle), Number(endAngle)});
}

void TxtCadWriter::Text(const std::string& text, long double x, long double y, const CadTextState&) {
  Record("TEXT", {Number(x), Number(y), text});
}

void TxtCadWriter::Solid(const std::array<CadPoint, 4>& c) {
  Record("SOLID", {Number(c[0].x), Number(c[0].y), Number(c[1].x), Number(c[1].y), Number(c[2].x), Number(c[2].y),
                   Number(c[3].x), Number(c[3].y)});
}

void TxtCadWriter::Insert(const std::string& name, long double x, long double y, long double angle,
                          long double xScale, long double yScale) {
  Record("INSERT", {name, Number(x), Number(y), Number(angle), Number(xScale), Number(yScale)});
}

Outcome TxtCadWriter::Finish() {
  std::vector<std::string> lines = lines_;
  lines.push_back("EOF");
  return WriteTextLines(path_, lines);
}

}  // namespace kalo
