#pragma once
// The solid written as STEP (AP214, millimetres) and as binary STL.
#include <TopoDS_Shape.hxx>
#include <string>

namespace kalo {

// The product gets the name and the id given (UTF-8). False when the file cannot be written.
bool WriteStepFile(const TopoDS_Shape& solid, const std::string& path, const std::string& name,
                   const std::string& id);
// Tessellated with the largest chordal deviation given (mm); the number of triangles, or -1
// when the file cannot be written.
int WriteStlFile(const TopoDS_Shape& solid, const std::string& path, double deflection);

}  // namespace kalo
