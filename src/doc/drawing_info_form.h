#pragma once
// The dialog "Zeichnungsinfo": the replacement texts, the signature grid with a button per
// row that dates it today, and the texts placed on the drawing. The fields hold the texts
// as the window shows them (UTF-8); OK converts them back to code page 850 and cuts them
// to their lengths.
#include <array>
#include <string>

#include "model/documentation.h"
#include "numbers/number_format.h"

namespace kalo {

struct Context;

inline constexpr size_t kSignatureRows = 4;  // "Bearb.", "Gepr.", "Norm", the configured row
inline constexpr size_t kTextColumns = 5;    // x, y, h, phi, text

class DrawingInfoForm {
 public:
  static constexpr int kHelpNumber = 3010;

  struct SignatureRow {
    std::string heading;
    std::string date;
    std::string name;
  };

  // The fourth row is headed by the configured caption ("Freigabefeld").
  DrawingInfoForm(const DrawingInformation& info, const std::string& releaseCaption, const std::string& today,
                  const NumberFormat& format, bool plainLetters);

  std::string caption = "Zeichnungsinfo";
  std::string Label_ersatz, Label_ersetzt;
  std::string Edit_ersatz, Edit_ersetzt;
  std::array<std::string, 2> signatureHeadings{"Datum", "Name"};
  std::array<SignatureRow, kSignatureRows> signatures;
  std::string Button_dateCaption;  // "< " + today, on each row's button
  std::array<std::string, kTextColumns> textHeadings{"x", "y", "h", "phi", "Text"};
  // Rows 1..8 of the text grid; the stored placed texts fill the first ones.
  std::array<std::array<std::string, kTextColumns>, kMaxPlacedTexts> texts;

  // Today's date into the date cell of the row (0-based).
  void Button_dateClick(size_t row);
  // Row 1 is always taken, then each following row whose text is not blank, up to the
  // first blank one; numbers take "," or "." and are 0 when they are no number.
  void Button_okClick(DrawingInformation& info) const;

 private:
  std::string today_;  // as shown
};

// Documentation → Drawing Information: OK replaces the drawing information; cancel changes
// nothing and sets the cancel flag.
void ShowDrawingInformation(Context& context);

}  // namespace kalo
