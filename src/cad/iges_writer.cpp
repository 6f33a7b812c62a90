#include "cad/iges_writer.h"

#include <utility>

namespace kalo {

IgesWriter::IgesWriter(std::string path, const Configuration& config, MessageCollection& messages,
                       const DateTime& now)
    : path_(std::move(path)), config_(config), messages_(messages), now_(now) {}

void IgesWriter::SetExtents(long double, long double, long double, long double) {}
void IgesWriter::BeginBlock(const std::string&) {}
void IgesWriter::EndBlock() {}
void IgesWriter::SetLayer(const CadLayer&) {}
void IgesWriter::Line(long double, long double, long double, long double) {}
void IgesWriter::Circle(long double, long double, long double) {}
void IgesWriter::Arc(long double, long double, long double, long double, long double) {}
void IgesWriter::Text(const std::string&, long double, long double, const CadTextState&) {}
void IgesWriter::Solid(const std::array<CadPoint, 4>&) {}
void IgesWriter::Insert(const std::string&, long double, long double, long double, long double, long double) {}

bool IgesWriter::Finish(std::string& error) {
  error = "not yet written";
  return false;
}

}  // namespace kalo
