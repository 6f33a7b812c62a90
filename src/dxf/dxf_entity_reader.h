#pragma once
// Reads an ASCII DXF file (R12 to R2018) into what the import needs of it.
#include <cstdio>
#include <string>

#include "dxf/dxf_drawing.h"
#include "messages/outcome.h"

namespace kalo {

// Files larger than this are refused before reading.
inline constexpr long long kMaxDxfFileSize = 256LL << 20;
// At most this many entities, vertices and spline points are kept from one file.
inline constexpr size_t kMaxKeptDxfItems = 4'000'000;
// Numbers beyond this size are no coordinates of a part.
inline constexpr double kMaxDxfNumber = 1e15;

// The drawing in the file at path. False, with the reason in error (code page 850), for a
// name that is no regular file (a directory, device or FIFO), a file larger than
// kMaxDxfFileSize, an empty file, a binary DXF, a DWG drawing, a file cut short (no EOF),
// a group code that is no number, a number that is no finite value within kMaxDxfNumber
// (the message names the entity and the line), and more than kMaxKeptDxfItems items.
[[nodiscard]] Outcome ReadDxfDrawing(const std::string& path, DxfDrawing& drawing);
// The same from an open file, read from its current position to its end.
[[nodiscard]] Outcome ReadDxfDrawing(std::FILE* file, DxfDrawing& drawing);

}  // namespace kalo
