#pragma once
// The contour revolved a full turn about the x axis into one closed solid, with
// OpenCascade: lines stay lines, arcs become true circular arcs.
#include <TopoDS_Shape.hxx>
#include <string>
#include <vector>

#include "model/contour.h"

namespace kalo {

// The solid, or a null shape with the reasons in errors (code page 850), each naming the
// elements or the place where the contour cannot make a valid solid.
TopoDS_Shape RevolvedSolid(const std::vector<ContourElement>& elements, std::vector<std::string>& errors);
// Why OpenCascade's own check finds the solid invalid (code page 850); empty when valid.
std::string InvalidSolidMessage(const TopoDS_Shape& solid);

}  // namespace kalo
