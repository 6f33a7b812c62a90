#pragma once
// An independent check of the fixed IGES layout that every IGES file a test writes must
// pass: 80-column lines with CR LF, sections S, G, D, P, T in order with consecutive
// sequence numbers, terminate counts, directory entries whose parameter pointers and line
// counts tile the P section, P lines carrying their entity's pointer, and subfigure
// references that point at entities of the right type.
#include <map>
#include <string>
#include <vector>

namespace kalo::testing {

struct IgesEntity {
  int type = 0;
  std::string status;
  std::vector<std::string> parameters;  // the free-format parameters, split at ","
};

// Empty when the file is sound, else the first problem found.
std::string IgesStructureProblem(const std::string& bytes);
// The entities by directory pointer; empty when the structure is not sound.
std::map<int, IgesEntity> IgesEntities(const std::string& bytes);

}  // namespace kalo::testing
