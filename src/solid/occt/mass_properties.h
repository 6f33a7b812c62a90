#pragma once
// The solid's volume, surface, centre of mass and moments of inertia as OpenCascade computes
// them, to the precision the comparison with the exact values needs.
#include <TopoDS_Shape.hxx>
#include <gp_Ax1.hxx>

namespace kalo {

struct SolidAnswer;

// Fills volume and surface of the answer.
void MeasureSolid(const TopoDS_Shape& solid, SolidAnswer& answer);
// Fills also the centre of mass and the moments of inertia per unit density about the
// axis given (first) and two axes across it through the centre of mass.
void MeasureMass(const TopoDS_Shape& solid, const gp_Ax1& axis, SolidAnswer& answer);

}  // namespace kalo
