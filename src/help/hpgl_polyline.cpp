#include "help/hpgl_polyline.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kalo {
namespace {

constexpr int kFirstDigit = 63;
constexpr int kLastSevenBitDigit = 126;
constexpr int kSevenBitTerminators = 95;
constexpr int kEightBitTerminators = 191;
constexpr int kLastEightBitTerminator = 254;
constexpr int kLargestPen = 15;
// More digits than the plotter's range needs; further ones no longer change the value.
constexpr int kMostDigits = 7;
// Blanks and control characters may stand anywhere, also inside a number.
constexpr int kLastSpacing = 32;

struct DigitCoding {
  int base;
  int firstTerminator;
  int lastTerminator;
};

constexpr DigitCoding kSevenBit{32, kSevenBitTerminators, kLastSevenBitDigit};
constexpr DigitCoding kEightBit{64, kEightBitTerminators, kLastEightBitTerminator};

bool IsDigit(int c, const DigitCoding& coding) {
  return (c >= kFirstDigit && c < kFirstDigit + coding.base) ||
         (c >= coding.firstTerminator && c <= coding.lastTerminator);
}

// An odd encoded value n stands for -(n - 1) / 2, an even one for n / 2.
long double Signed(long double n) {
  long double half = std::floor(n / 2);
  return n == 2 * half ? half : -half;
}

class PolylineDecoder {
 public:
  explicit PolylineDecoder(HpglReader& reader) : reader_(reader) {}

  std::vector<PolylineStep> Decode() {
    for (int c = reader_.Get(); c != kEndOfFile && c != ';'; c = reader_.Get()) {
      if (c == '7') coding_ = kSevenBit;
      else if (c == ':') SelectPen();
      else if (c == '<') pending_.penUp = true;
      else if (c == '=') pending_.absolute = true;
      else if (c == '>') reader_.Get();
      else if (IsDigit(c, coding_) && !ReadPair(c)) return Abandon();
    }
    return std::move(steps_);
  }

 private:
  // A pair cut short ends the command; the rest of it is no drawing.
  std::vector<PolylineStep> Abandon() {
    if (cutAt_ != ';' && cutAt_ != kEndOfFile) reader_.SkipCommand();
    return std::move(steps_);
  }

  int NextNonSpacing() {
    int c = reader_.Get();
    while (c != kEndOfFile && c <= kLastSpacing) c = reader_.Get();
    return c;
  }

  void SelectPen() {
    int code = reader_.Get();
    if (code == kEndOfFile) return;
    steps_.push_back({PolylineStep::Kind::Pen, std::clamp(code, 1, kLargestPen)});
  }

  // The number that starts with the digit first; none when it is cut short.
  std::optional<long double> ReadNumber(int first) {
    long double value = 0;
    long double weight = 1;
    for (int c = first, digits = 0;; c = NextNonSpacing(), ++digits) {
      if (!IsDigit(c, coding_)) {
        cutAt_ = c;
        return std::nullopt;
      }
      bool last = c >= coding_.firstTerminator;
      if (digits < kMostDigits) value += weight * (c - (last ? coding_.firstTerminator : kFirstDigit));
      weight *= coding_.base;
      if (last) return Signed(value);
    }
  }

  bool ReadPair(int first) {
    std::optional<long double> x = ReadNumber(first);
    std::optional<long double> y = x ? ReadNumber(NextNonSpacing()) : std::nullopt;
    if (!y) return false;
    pending_.x = std::clamp(*x, -kLargestHpglValue, kLargestHpglValue);
    pending_.y = std::clamp(*y, -kLargestHpglValue, kLargestHpglValue);
    steps_.push_back(pending_);
    pending_ = {};
    return true;
  }

  HpglReader& reader_;
  DigitCoding coding_ = kEightBit;
  PolylineStep pending_;
  int cutAt_ = kEndOfFile;  // the character that cut a number short
  std::vector<PolylineStep> steps_;
};

}  // namespace

std::vector<PolylineStep> DecodePolyline(HpglReader& reader) { return PolylineDecoder(reader).Decode(); }

}  // namespace kalo
