#pragma once
// Field values between their stored form (fixed width, Windows ANSI code page) and the
// program's texts (code page 850).
#include <string>
#include <string_view>

#include "dbase/dbf_header.h"
#include "messages/outcome.h"

namespace kalo {

// The stored bytes without surrounding blanks, character fields in code page 850.
std::string DecodeField(std::string_view stored, const DbfField& field);
// The stored form of a text for the field: exactly field.width bytes. Character fields are
// cut to the width; numbers ("," or ".") are rounded to the field's decimals and
// right-aligned; logical fields take T/Y/J/1/true or F/N/0/false; dates YYYYMMDD; an empty
// text stores blanks. A failure names the reason (code page 850) when the text does not
// suit the field.
[[nodiscard]] Outcome EncodeField(const std::string& text, const DbfField& field, std::string& stored);
bool StoredTrue(std::string_view stored);

// A stored number's value for ordering: blank comes before every number.
double StoredNumber(std::string_view stored);

// Upper and lower case letters of the Windows ANSI code page made the same.
std::string FoldCase(std::string_view ansi);

}  // namespace kalo
