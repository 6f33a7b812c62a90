#pragma once
// The documentation's two sections of the data file: change history with drawing
// information ("ÄNDERUNGEN"), and the five linked documents ("Dokumente").
#include <string>
#include <vector>

#include "model/documentation.h"
#include "numbers/number_format.h"

namespace kalo {

class DataFileLines;

// Placed text positions, heights and angles are written in the significant form.
void AppendDocumentationSection(const Documentation& documentation, const NumberFormat& format,
                                std::vector<std::string>& lines);
void AppendDocumentsSection(const Documentation& documentation, std::vector<std::string>& lines);

// Restore what the Append functions wrote; a line that does not fit is refused through lines.
void ReadDocumentationSection(DataFileLines& lines, Documentation& documentation);
void ReadDocumentsSection(DataFileLines& lines, Documentation& documentation);

}  // namespace kalo
