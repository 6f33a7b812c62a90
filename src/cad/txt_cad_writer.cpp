#include "cad/txt_cad_writer.h"

#include <utility>

namespace kalo {

TxtCadWriter::TxtCadWriter(std::string path, const Configuration& config) : path_(std::move(path)), config_(config) {}

void TxtCadWriter::SetExtents(long double, long double, long double, long double) {}
void TxtCadWriter::BeginBlocks() {}
void TxtCadWriter::BeginBlock(const std::string&) {}
void TxtCadWriter::EndBlock() {}
void TxtCadWriter::BeginEntities() {}
void TxtCadWriter::Line(long double, long double, long double, long double) {}
void TxtCadWriter::Circle(long double, long double, long double) {}
void TxtCadWriter::Arc(long double, long double, long double, long double, long double) {}
void TxtCadWriter::Text(const std::string&, long double, long double, const CadTextState&) {}
void TxtCadWriter::Solid(const std::array<CadPoint, 4>&) {}
void TxtCadWriter::Insert(const std::string&, long double, long double, long double, long double, long double) {}

bool TxtCadWriter::Finish(std::string& error) {
  error = "not yet written";
  return false;
}

}  // namespace kalo
