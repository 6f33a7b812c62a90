#pragma once
// The TXT CAD target of the CAD driver: one tab-separated record per line (MINMAX, blocks,
// LINE, CIRCLE, ARC, TEXT, SOLID, INSERT, EOF) for programs that read simple geometry
// lists. The records are collected and the file is written as a whole in Finish.
#include <initializer_list>
#include <string>
#include <vector>

#include "context/cad_target.h"

namespace kalo {

struct Configuration;

class TxtCadWriter : public CadTarget {
 public:
  TxtCadWriter(std::string path, const Configuration& config);

  void SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) override;
  void BeginBlocks() override;
  void BeginBlock(const std::string& name) override;
  void EndBlock() override;
  void BeginEntities() override;

  void Line(long double x1, long double y1, long double x2, long double y2) override;
  void Circle(long double x, long double y, long double r) override;
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override;
  void Text(const std::string& text, long double x, long double y, const CadTextState& style) override;
  void Solid(const std::array<CadPoint, 4>& corners) override;
  void Insert(const std::string& name, long double x, long double y, long double angle, long double xScale,
              long double yScale) override;

  Outcome Finish() override;

 private:
  // Fixed point with the "Decimals DXF,TXT" count and the configured decimal separator.
  std::string Number(long double value) const;
  // The keyword, then each field after a tab.
  void Record(const std::string& keyword, std::initializer_list<std::string> fields);

  std::string path_;
  const Configuration& config_;
  std::vector<std::string> lines_;
};

}  // namespace kalo
