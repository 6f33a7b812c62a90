#pragma once
// What the reader keeps of a DXF drawing: the header values the import needs, the layers'
// line types, the block definitions and the model space entities that can describe a
// contour, as written in the file (object coordinates, degrees, file units).
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace kalo {

struct DxfPoint3 {
  double x = 0;
  double y = 0;
  double z = 0;
};

enum class DxfEntityType { Line, Arc, Circle, Polyline, LwPolyline, Spline, Ellipse, Insert };

struct DxfRawVertex {
  double x = 0;
  double y = 0;
  double z = 0;
  double bulge = 0;
  int flags = 0;
};

struct DxfEntity {
  DxfEntityType type = DxfEntityType::Line;
  long line = 0;  // where its "0" group stands in the file
  std::string layer = "0";
  std::string linetype;  // empty: by layer
  int flags = 0;         // group 70
  DxfPoint3 first;       // groups 10/20/30: start, centre or insertion point; 12/22/32 of a SPLINE: start tangent
  DxfPoint3 second;      // groups 11/21/31: end of a LINE, major axis of an ELLIPSE; 13/23/33 of a SPLINE: end tangent
  DxfPoint3 extrusion{0, 0, 1};
  double elevation = 0;  // group 38 of a LWPOLYLINE
  double radius = 0;     // ARC, CIRCLE
  double startAngle = 0, endAngle = 0;  // degrees of ARC; parameters (radians) of ELLIPSE
  double ratio = 1;      // minor to major axis of an ELLIPSE
  double scaleX = 1, scaleY = 1, rotation = 0;  // INSERT; rotation in degrees
  int columns = 1, rows = 1;                    // INSERT array
  double columnSpacing = 0, rowSpacing = 0;
  int degree = 0;  // SPLINE
  std::vector<double> knots;
  std::vector<double> weights;
  std::vector<DxfPoint3> controlPoints;
  std::vector<DxfPoint3> fitPoints;
  std::vector<DxfRawVertex> vertices;  // POLYLINE and LWPOLYLINE
  std::string blockName;              // INSERT
};

// A deque, so that a drawing of a million entities grows without moving what was read.
using DxfEntities = std::deque<DxfEntity>;

struct DxfBlock {
  DxfPoint3 base;
  DxfEntities entities;
};

struct DxfHeader {
  int insUnits = 0;      // $INSUNITS, 0 = no unit given
  int measurement = -1;  // $MEASUREMENT: 0 imperial, 1 metric, -1 not given
  std::string acadVersion;  // $ACADVER, e.g. "AC1009" for R12
  std::string codePage;     // $DWGCODEPAGE, e.g. "ANSI_1252"
};

struct DxfDrawing {
  DxfHeader header;
  std::map<std::string, std::string> layerLinetypes;  // by upper-case layer name
  std::map<std::string, DxfBlock> blocks;             // by upper-case block name
  DxfEntities entities;                               // model space, in file order
  std::vector<std::string> notes;                     // what the reader passed over (code page 850)
};

// The name in upper case, as names of layers and blocks are compared.
std::string DxfNameKey(const std::string& name);

}  // namespace kalo
