#pragma once
// Files replaced as a whole. The new content goes to a fresh file beside the target, created
// exclusively under a short name of its own (".kalo-" and six characters, whatever the
// target's length), and is renamed over the target only when complete: a reader sees the old
// file or the new one, and two writers of one name leave one complete file. Only a file this
// process created exclusively is ever removed.
#include <string>

namespace kalo {

// The error of a write refused because a symbolic link on the way belongs to another user:
// a link is followed only when it belongs to the running user or to the owner of the folder
// it lies in. Outside the range of the system's error numbers.
inline constexpr int kForeignLink = 0x10000;

// Writes bytes as the new content of the file that path names and returns 0, or the error
// number of the failure with the old file untouched. A symbolic link is followed (it stays a
// link, the file it points to gets the content); a device or pipe is written in place; an
// existing file that the user may not write is left alone (EACCES), and so is a link of
// another user (kForeignLink). A replaced file keeps
// its permissions, a new one gets those the process creates files with.
int ReplaceFile(const std::string& path, const std::string& bytes);
// The error number ReplaceFile(path, …) would fail with now for reasons of the name, its
// folder or its permissions, or 0. Nothing is left behind.
int ReplaceProblem(const std::string& path);
// 0 when a new file can be created in the folder (empty: the working folder), or the error
// number. Nothing is left behind.
int CreateProblem(const std::string& directory);
// The link that made a write of path fail with kForeignLink, and its owner's user number;
// empty when no link on the way is refused.
std::string ForeignLinkOnPath(const std::string& path, unsigned& owner);
// A fresh name beside the file that path leads to, reserved by creating an empty file of
// that name exclusively; the caller removes it. When no file can be created there, the name
// that was tried, so that opening it reports why.
std::string ReserveNameBeside(const std::string& path);

}  // namespace kalo
