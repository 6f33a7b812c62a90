#pragma once
// The IGES target of the CAD driver: a fixed-format IGES file (80-column lines, sections
// S, G, D, P, T) with lines, arcs, copious data outlines, notes, subfigure definitions and
// instances. All sections are collected in memory and the file is written as a whole in
// Finish.
// A block without members becomes a 308 with no members; an instance of an unknown block is
// reported and left out, since it would point at no subfigure; blocks are found by their
// full name while the file carries its first 8 characters; start and global lines longer
// than 72 columns continue on the next line, cut after a comma like parameter lines.
#include <string>
#include <vector>

#include "cad/iges_lines.h"
#include "context/cad_target.h"
#include "platform/clock.h"

namespace kalo {

struct Configuration;
class MessageCollection;

class IgesWriter : public CadTarget {
 public:
  IgesWriter(std::string path, const Configuration& config, MessageCollection& messages, const DateTime& now);

  void SetExtents(long double xmin, long double ymin, long double xmax, long double ymax) override;
  void BeginBlock(const std::string& name) override;
  void EndBlock() override;
  void SetLayer(const CadLayer& layer) override;

  void Line(long double x1, long double y1, long double x2, long double y2) override;
  void Circle(long double x, long double y, long double r) override;
  void Arc(long double x, long double y, long double startAngle, long double endAngle, long double r) override;
  void Text(const std::string& text, long double x, long double y, const CadTextState& style) override;
  void Solid(const std::array<CadPoint, 4>& corners) override;
  void Insert(const std::string& name, long double x, long double y, long double angle, long double xScale,
              long double yScale) override;

  Outcome Finish() override;

 private:
  struct Entity {
    int type = 0;
    std::vector<std::string> groups{};  // each group starts on a new parameter line
    std::string matrix{};               // directory line 1, field 7
    std::string form{};                 // directory line 2, field 5
    std::string label{};                // directory line 2, field 8
    bool subordinate = false;           // status "00010000" also outside block definitions
    bool blockMember = true;            // listed in the subfigure being defined (a matrix is not)
  };
  struct Block {
    std::string name;  // in full: instances find it by the name they were given
    int pointer = 0;  // directory entry of its 308
  };

  // Writes the entity's directory entry and parameter lines; returns its directory pointer.
  int Write(const Entity& entity);
  std::string Length(long double value) const;
  std::string Angle(long double value) const;
  void AddStartAndGlobal(IgesSection& start, IgesSection& global) const;

  std::string path_;
  const Configuration& config_;
  MessageCollection& messages_;
  DateTime now_;
  long double largestCoordinate_ = 0;
  int colour_ = 0;
  int lineFont_ = 1;
  IgesSection directory_{'D'};
  IgesSection parameters_{'P'};
  bool inBlock_ = false;
  std::string blockName_;
  std::vector<int> members_;
  std::vector<Block> blocks_;
};

}  // namespace kalo
