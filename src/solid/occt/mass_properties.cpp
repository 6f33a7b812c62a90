#include "solid/occt/mass_properties.h"

#include <BRepGProp.hxx>
#include <GProp_GProps.hxx>
#include <gp.hxx>
#include <gp_Ax2.hxx>

#include "solid/solid_request.h"

namespace kalo {

void MeasureSolid(const TopoDS_Shape& solid, SolidAnswer& answer) { MeasureMass(solid, gp::OX(), answer); }

void MeasureMass(const TopoDS_Shape& solid, const gp_Ax1& axis, SolidAnswer& answer) {
  // Gauss integration of the orders OpenCascade picks for each face: on lines and arcs
  // revolved, to some 1e-13 of the closed forms, and quicker than its adaptive integration,
  // which asked for 1e-9 misses that by far.
  GProp_GProps volume, surface;
  BRepGProp::VolumeProperties(solid, volume, true);
  BRepGProp::SurfaceProperties(solid, surface);
  answer.volume = volume.Mass();
  answer.surface = surface.Mass();
  gp_Pnt centre = volume.CentreOfMass();
  answer.centre[0] = centre.X();
  answer.centre[1] = centre.Y();
  answer.centre[2] = centre.Z();
  gp_Ax2 frame(centre, axis.Direction());
  answer.inertia[0] = volume.MomentOfInertia(gp_Ax1(centre, frame.Direction()));
  answer.inertia[1] = volume.MomentOfInertia(gp_Ax1(centre, frame.XDirection()));
  answer.inertia[2] = volume.MomentOfInertia(gp_Ax1(centre, frame.YDirection()));
}

}  // namespace kalo
