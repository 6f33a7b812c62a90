#pragma once
// The index of the help pictures, "kalo.dbh" in the help picture folder: one line per
// picture, "name","information" with the .plt file's base name (at most 8 characters) and a
// description (at most 50). Edits replace, add or remove whole lines and keep every other
// line byte for byte.
#include <string>
#include <vector>

namespace kalo {

struct Context;

inline constexpr size_t kMaxHelpPictures = 200;
inline constexpr size_t kPictureNameLength = 8;
inline constexpr size_t kPictureInformationLength = 50;

struct HelpPictureEntry {
  std::string name;
  std::string information;
};

class HelpPictureIndex {
 public:
  HelpPictureIndex() = default;
  // The file's bytes: blank lines are no entry, lines after the 200th entry are kept but
  // not read. A field that does not begin with a quotation mark makes the index damaged
  // and is read all the same, up to the next quotation mark or the line's end.
  explicit HelpPictureIndex(const std::string& bytes);

  const std::vector<HelpPictureEntry>& Entries() const { return entries_; }
  bool Damaged() const { return damaged_; }

  void Append(const HelpPictureEntry& entry);
  // Before entry 0..n-1.
  void Insert(size_t before, const HelpPictureEntry& entry);
  void Change(size_t index, const HelpPictureEntry& entry);
  void Delete(size_t index);
  std::string Bytes() const;

 private:
  void Read();

  std::vector<std::string> lines_;  // each with its own line end
  std::vector<HelpPictureEntry> entries_;
  std::vector<size_t> entryLines_;   // the line of each entry
  bool damaged_ = false;
};

// "name","information" with the name cut to 8 and the information to 50 characters.
std::string IndexLine(const HelpPictureEntry& entry);
std::string HelpPictureIndexPath(const Context& context);

}  // namespace kalo
