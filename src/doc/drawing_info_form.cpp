#include "doc/drawing_info_form.h"

#include "context/context.h"
#include "help/help_text.h"
#include "platform/codepage.h"
#include "platform/paths.h"

namespace kalo {
namespace {

std::string Stored(const std::string& shown, size_t maxLength) { return Utf8ToCp850(shown).substr(0, maxLength); }

long double NumberOrZero(const std::string& shown) {
  return RealOrZero(Utf8ToCp850(shown));
}

Signature StoredSignature(const DrawingInfoForm::SignatureRow& row) {
  return {Stored(row.date, kSignatureFieldLength), Stored(row.name, kSignatureFieldLength)};
}

}  // namespace

DrawingInfoForm::DrawingInfoForm(const DrawingInformation& info, const std::string& releaseCaption,
                                 const std::string& today, const NumberFormat& format, bool plainLetters) {
  auto shown = [plainLetters](const std::string& cp850) { return DisplayUtf8(cp850, plainLetters); };
  today_ = shown(today);
  replacesCaption = shown(Oem("Ersatz für"));
  replacedByCaption = shown("Ersetzt durch");
  replaces = shown(info.replaces);
  replacedBy = shown(info.replacedBy);
  const Signature* stored[kSignatureRows] = {&info.drawn, &info.inspected, &info.standards, &info.fourth};
  const std::string headings[kSignatureRows] = {"Bearb.", "Gepr.", "Norm", releaseCaption};
  for (size_t row = 0; row < kSignatureRows; ++row)
    signatures[row] = {shown(headings[row]), shown(stored[row]->date), shown(stored[row]->name)};
  todayCaption = "< " + today_;
  for (size_t row = 0; row < info.placedTexts.size() && row < kMaxPlacedTexts; ++row) {
    const PlacedText& placed = info.placedTexts[row];
    texts[row] = {FormatSignificant(placed.x, format), FormatSignificant(placed.y, format),
                  FormatSignificant(placed.h, format), FormatSignificant(placed.phi, format), shown(placed.text)};
  }
}

void DrawingInfoForm::TodayClick(size_t row) {
  if (row < kSignatureRows) signatures[row].date = today_;
}

void DrawingInfoForm::OkClick(DrawingInformation& info) const {
  info.replaces = Stored(replaces, kReplacementLength);
  info.replacedBy = Stored(replacedBy, kReplacementLength);
  info.drawn = StoredSignature(signatures[0]);
  info.inspected = StoredSignature(signatures[1]);
  info.standards = StoredSignature(signatures[2]);
  info.fourth = StoredSignature(signatures[3]);
  info.placedTexts.clear();
  for (size_t row = 0; row < kMaxPlacedTexts; ++row) {
    const auto& cells = texts[row];
    if (row > 0 && TrimBlanks(cells[4]).empty()) break;
    info.placedTexts.push_back({NumberOrZero(cells[0]), NumberOrZero(cells[1]), NumberOrZero(cells[2]),
                                NumberOrZero(cells[3]), Stored(cells[4], kPlacedTextLength)});
  }
}

void ShowDrawingInformation(Context& context) {
  SetHelpNumber(context, DrawingInfoForm::kHelpNumber);
  DrawingInformation& info = context.body.documentation.information;
  DrawingInfoForm form(info, context.config.releaseCaption, context.Today(), context.Numbers(),
                       context.Units().plainLetters);
  if (!context.ui.EditDrawingInformation(form)) {
    context.state.cancel = true;
    return;
  }
  form.OkClick(info);
}

}  // namespace kalo
