#include "solid_fixture.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <Message_Printer.hxx>
#include <STEPControl_Reader.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Writer.hxx>
#include <TopExp_Explorer.hxx>

#include <array>
#include <cstring>
#include <map>
#include <stdexcept>

#include "datafile/data_file_writer.h"
#include "model/body.h"
#include "platform/text_file.h"

namespace kalo::testing {

void WriteBody(const std::string& path, const std::vector<ContourElement>& elements, const std::string& name,
               const std::string& number) {
  Body body;
  body.Initialise("07.12.2026");
  body.contour.count = static_cast<uint16_t>(elements.size());
  for (size_t i = 0; i < elements.size(); ++i) body.contour[static_cast<int>(i) + 1] = elements[i];
  body.texts.name = name;
  body.texts.number = number;
  if (Outcome written = WriteTextLines(path, DataFileContent(body, NumberFormat{10, false})); !written)
    throw std::runtime_error(path + ": " + written.Message());
}

ProcessResult RunKalo(const std::string& folder, std::vector<std::string> arguments, const std::string& program) {
  arguments.insert(arguments.begin(), program);
  return RunProcess(folder, arguments, {"SOURCE_DATE_EPOCH=1796634300", "TEMP=" + folder, "PATH=/usr/bin:/bin"});
}

void WriteStep(const TopoDS_Shape& shape, const std::string& path, const char* unit) {
  Message::DefaultMessenger()->RemovePrinters(STANDARD_TYPE(Message_Printer));
  STEPControl_Controller::Init();  // registers the settings below, which are ignored before
  Interface_Static::SetCVal("write.step.schema", "AP214IS");
  Interface_Static::SetCVal("write.step.unit", unit);
  STEPControl_Writer writer;
  writer.Transfer(shape, STEPControl_AsIs);
  writer.Write(path.c_str());
}

std::vector<TopoDS_Shape> ReadStepSolids(const std::string& path) {
  STEPControl_Reader reader;
  if (reader.ReadFile(path.c_str()) != IFSelect_RetDone) return {};
  reader.TransferRoots();
  std::vector<TopoDS_Shape> solids;
  for (TopExp_Explorer e(reader.OneShape(), TopAbs_SOLID); e.More(); e.Next()) solids.push_back(e.Current());
  return solids;
}

Measured Measure(const TopoDS_Shape& shape) {
  GProp_GProps volume, surface;
  BRepGProp::VolumeProperties(shape, volume, 1e-13, true);
  BRepGProp::SurfaceProperties(shape, surface, 1e-13);
  return {volume.Mass(), surface.Mass()};
}

double StlMesh::Volume() const {
  double sum = 0;
  for (size_t t = 0; t < Triangles(); ++t) {
    const float* p = &corners[9 * t];
    double ax = p[0], ay = p[1], az = p[2], bx = p[3], by = p[4], bz = p[5], cx = p[6], cy = p[7], cz = p[8];
    sum += ax * (by * cz - bz * cy) - ay * (bx * cz - bz * cx) + az * (bx * cy - by * cx);
  }
  return sum / 6;
}

bool StlMesh::Closed() const {
  using Corner = std::array<float, 3>;
  std::map<std::pair<Corner, Corner>, int> edges;
  for (size_t t = 0; t < Triangles(); ++t) {
    const float* p = &corners[9 * t];
    Corner c[3] = {{p[0], p[1], p[2]}, {p[3], p[4], p[5]}, {p[6], p[7], p[8]}};
    if (c[0] == c[1] || c[1] == c[2] || c[2] == c[0]) continue;  // no area: no edge of the surface
    for (int k = 0; k < 3; ++k) ++edges[{c[k], c[(k + 1) % 3]}];
  }
  for (const auto& [edge, count] : edges) {
    auto back = edges.find({edge.second, edge.first});
    if (count != 1 || back == edges.end() || back->second != 1) return false;
  }
  return true;
}

bool ReadBinaryStl(const std::string& path, StlMesh& mesh) {
  std::string bytes = ReadBytes(path);
  if (bytes.size() < 84) return false;
  uint32_t count = 0;
  std::memcpy(&count, bytes.data() + 80, 4);
  if (bytes.size() != 84 + 50 * static_cast<size_t>(count)) return false;
  mesh.corners.resize(9 * static_cast<size_t>(count));
  for (size_t t = 0; t < count; ++t) std::memcpy(&mesh.corners[9 * t], bytes.data() + 84 + 50 * t + 12, 36);
  return true;
}

}  // namespace kalo::testing
