#pragma once
// The DBF functions of shapelib working on a table held in memory: the whole file is read
// once, every read and write of the library goes to the bytes, and the owner writes the
// bytes back as a whole.
#include <shapefil.h>

#include <string>

namespace kalo {

// Opens the table whose file content is bytes for reading and writing; nullptr when the
// library refuses it. The bytes must outlive the handle (close it with DBFClose). A header
// written through the handle carries today's date.
DBFHandle OpenDbfInMemory(std::string& bytes);

}  // namespace kalo
