#pragma once
// The accelerators of one menu's items: the letter after the first single "&" of a caption
// ("&&" is a plain "&"). Within one menu every letter may serve only one item, or the key
// would pick the first and never reach the others.
#include <string>
#include <vector>

namespace kalo {

// The accelerator of a caption, ASCII letters in lower case; empty when it has none. UTF-8.
std::string AcceleratorOf(const std::string& caption);

// The captions of one menu, in the order shown (UTF-8), with distinct accelerators: the
// first item with a letter keeps it, every later one takes another "&" of its own caption,
// else the first letter of its caption that no item of the menu uses, else (a caption
// without such a letter, as Korean ones are) another letter in its "(&X)" or in one added.
// Captions without an accelerator stay as they are.
std::vector<std::string> WithDistinctAccelerators(const std::vector<std::string>& captions);

}  // namespace kalo
