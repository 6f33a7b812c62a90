#pragma once
// The state of the CAD output driver: one instance for the whole program run, held by the
// program context. The target code, the layer, the text style and the plot command index
// stay from one output run to the next.
#include <memory>
#include <string>

#include "context/cad_target.h"

namespace kalo {

// Where the primitives of an expanded block land: base point, rotation (degrees) and scales.
struct CadBlockTransform {
  long double x = 0;
  long double y = 0;
  long double rotation = 0;
  long double xScale = 1;
  long double yScale = 1;
};

struct CadExtents {
  long double xmin = 0;
  long double ymin = 0;
  long double xmax = 160;
  long double ymax = 120;
  long double Width() const { return xmax - xmin; }
  long double Height() const { return ymax - ymin; }
};

struct CadState {
  int target = kCadScreen;
  std::string outputPath;              // file of the current run (blank for the screen)
  std::unique_ptr<CadTarget> output;   // the open output of the current run

  CadLayer layer;
  CadTextState text;
  CadPoint current;                    // moved by CadMoveTo and CadLineTo

  // Polylines drawn as segments: vertex counter, the arc angle given with the previous
  // vertex, and the first vertex and flag for closing.
  int vertexCount = 1;
  long double previousPhi = 0;
  CadPoint firstVertex;
  int polylineFlag = 0;

  bool inBlockSection = false;         // between CadBeginBlocks and the next CadEndSection
  int blockLevel = 0;                  // nesting of block expansion on the screen, 0..4
  CadBlockTransform transform;

  CadExtents extents;
  // 1 diagrams, 2 drawing frame and end of the drawing view; reset by CadOpen. Logo
  // blocks are inserted only while it is not 2.
  int viewMarker = 0;
  int hatchMode = 1;
  bool border = false;                 // frame of the extents on screen and plotter ("Umrandung")
  int plotCommandIndex = 0;            // selected plot program command line, 0-based
};

}  // namespace kalo
