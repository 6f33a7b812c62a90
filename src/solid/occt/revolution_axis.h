#pragma once
// Whether a solid is a body of revolution, and about which axis: every face a plane across
// the axis, or a cylinder, cone, sphere, torus or surface of revolution about it.
#include <TopoDS_Shape.hxx>
#include <gp_Ax1.hxx>
#include <string>

namespace kalo {

struct RevolutionCheck {
  gp_Ax1 axis;            // the axis found (through the foot of the origin on it)
  bool revolved = false;
  std::string breaking;   // not revolved: the first face that breaks it (code page 850)
};

RevolutionCheck CheckRevolution(const TopoDS_Shape& solid);

}  // namespace kalo
