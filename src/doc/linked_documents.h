#pragma once
// Starting the program of a linked document with its file.
#include <cstddef>

namespace kalo {

struct Context;

// Documentation → Document n (1..5): starts the program with the file as one argument,
// without waiting; the desktop's opener stands in for a missing program, and an empty file
// gives no argument. A link read from a data file is started only when the user agrees to
// the command shown; one "yes" covers every link of that file. A program that cannot be
// started gives no message.
void OpenDocument(Context& context, size_t n);

}  // namespace kalo
