#pragma once
// Data files of cylinders written into a test folder: a rectangle of the given length
// and radius on the axis, whose area, volume, mass and inertia are known in closed form.
#include <string>

#include "model/body.h"

namespace kalo::testing {

Body CylinderBody(long double length, long double radius, long double rho, const std::string& name,
                  const std::string& number);
// The body's data file as the program writes it.
void WriteDataFileOf(const Body& body, const std::string& path);

}  // namespace kalo::testing
