#pragma once
// Reads the curves of an ASCII DXF drawing through dxflib.
#include <string>
#include <vector>

#include "edit/dxf_curves.h"

namespace kalo {

// The model space curves of the drawing in file order: LINE, ARC, CIRCLE, POLYLINE and
// LWPOLYLINE, SPLINE and ELLIPSE. Block definitions and paper space are not the model and
// are skipped, as are curves outside the drawing plane and polygon meshes. False, with the
// reason in error (code page 850), for an empty file, a binary DXF, a DWG drawing and a
// truncated or damaged file.
bool ReadDxfCurves(const std::string& path, std::vector<DxfCurve>& curves, std::string& error);

}  // namespace kalo
