#include "dxf/dxf_tokenizer.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace kalo {
namespace {

constexpr size_t kBufferSize = 1 << 20;
constexpr char kEndOfText = 0x1a;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

}  // namespace

std::string_view TrimmedDxfText(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

DxfTokenizer::DxfTokenizer(std::FILE* file) : file_(file), buffer_(kBufferSize) {}

bool DxfTokenizer::Refill() {
  position_ = 0;
  filled_ = std::fread(buffer_.data(), 1, buffer_.size(), file_);
  return filled_ > 0;
}

void DxfTokenizer::Keep(const char* bytes, size_t length) {
  kept_.append(bytes, std::min(length, kKeptLineLength - kept_.size()));
}

// A line within the buffer is handed out where it lies; one that runs over the buffer's end
// is gathered in kept_, as far as it is kept.
bool DxfTokenizer::ReadLine(std::string_view& line) {
  kept_.clear();
  bool started = false;
  for (;;) {
    if (position_ == filled_ && !Refill()) {
      if (!started) return false;
      ++lineNumber_;
      line = kept_;
      return true;
    }
    const char* start = buffer_.data() + position_;
    size_t available = filled_ - position_;
    const char* end = static_cast<const char*>(std::memchr(start, '\n', available));
    if (!end) {
      Keep(start, available);
      position_ = filled_;
      started = true;
      continue;
    }
    size_t length = static_cast<size_t>(end - start);
    position_ += length + 1;
    ++lineNumber_;
    if (started) {
      Keep(start, length);
      line = kept_;
    } else {
      line = std::string_view(start, std::min(length, kKeptLineLength));
    }
    return true;
  }
}

DxfTokenizer::Token DxfTokenizer::Next(DxfGroup& group) {
  std::string_view codeLine;
  if (!ReadLine(codeLine)) return Token::End;
  group.line = lineNumber_;
  codeLine = TrimmedDxfText(codeLine);
  const char* first = codeLine.data();
  const char* last = first + codeLine.size();
  auto [end, error] = std::from_chars(first, last, group.code);
  if (codeLine.empty() || error != std::errc() || end != last) return Token::BadCode;
  // The code's text may lie in kept_, which the value line reuses: the code is parsed first.
  std::string_view valueLine;
  if (!ReadLine(valueLine)) return Token::End;
  group.value = TrimmedDxfText(valueLine);
  return Token::Group;
}

std::string_view DxfTokenizer::Head(size_t length) {
  if (position_ == filled_) Refill();
  return std::string_view(buffer_.data() + position_, std::min(length, filled_ - position_));
}

bool DxfTokenizer::MoreThanBlanksLeft() {
  for (;;) {
    if (position_ == filled_ && !Refill()) return false;
    const char* start = buffer_.data() + position_;
    const char* end = buffer_.data() + filled_;
    if (std::any_of(start, end, [](char c) { return !IsBlank(c) && c != kEndOfText; })) return true;
    position_ = filled_;
  }
}

}  // namespace kalo
