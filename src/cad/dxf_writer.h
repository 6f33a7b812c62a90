#pragma once
// The DXF target of the CAD driver (also behind the plot program): an AutoCAD DXF file in
// the classic group code / value form with HEADER, TABLES, BLOCKS, ENTITIES and EOF. The
// screen target uses the same entity records for its block files. The lines are collected
// and the file is written as a whole in Finish.
#include <string>
#include <vector>

#include "context/cad_target.h"
#include "numbers/number_format.h"

namespace kalo {

struct Configuration;

class DxfWriter : public CadTarget {
 public:
  DxfWriter(std::string path, const Configuration& config);
  const std::string& Path() const { return path_; }

  void SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) override;
  void Tables() override;
  void BeginBlocks() override;
  void BeginBlock(const std::string& name) override;
  void EndBlock() override;
  void EndSection() override;
  void BeginEntities() override;
  void SetLayer(const CadLayer& layer) override { layerName_ = NameText(layer.name); }

  void Line(long double x1, long double y1, long double x2, long double y2) override;
  void Circle(long double x, long double y, long double r) override;
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override;
  void Text(const std::string& text, long double x, long double y, const CadTextState& style) override;
  void Solid(const std::array<CadPoint, 4>& corners) override;
  void Insert(const std::string& name, long double x, long double y, long double angle, long double xScale,
              long double yScale) override;

  bool HasPolylines() const override { return true; }
  void BeginPolyline(int flag) override;
  void Vertex(long double x, long double y, long double bulge) override;
  void EndPolyline() override;

  // Writes the lines and the EOF record to the file.
  Outcome Finish() override;

  const std::vector<std::string>& Lines() const { return lines_; }

 private:
  void Group(int code, const std::string& value);
  // Layer and style names in the code page of the drawing's texts, as a reader decodes them.
  std::string NameText(const std::string& cp850) const;
  void Real(int code, long double value);
  void Compact(int code, long double value);
  void Entity(const std::string& name);
  void Point(int code, long double x, long double y);
  void TableHead(const std::string& table, const std::string& count);
  void TableEntry(const std::string& record);
  void LineTypeTable();
  void LayerTable();
  void LayerEntry(const std::string& name, int colour, const std::string& lineType);
  void StyleTable();

  std::string path_;
  const Configuration& config_;
  int decimals_;
  NumberFormat compactShift_;
  std::string layerName_ = "0";
  std::vector<std::string> lines_;
  int tableHandle_ = 0;  // the last handle given to a table or table entry
  bool closedPolyline_ = false;
  size_t lastBulge_ = 0;  // index of the bulge group of the last vertex; 0 when it had none
};

}  // namespace kalo
