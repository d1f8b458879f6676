#pragma once
// The settings value as a list: values in one line of text, split at commas.

#include <string>
#include <string_view>
#include <vector>

namespace CommaText {

// The values of text. Blanks and controls before a value are skipped; a value
// in double quotes runs to the closing quote, "" inside standing for one quote;
// any other value ends at a comma, blank or control. After a value, blanks and
// one comma are skipped; a comma that ends the text adds a last, empty value.
std::vector<std::string> Split(std::string_view text);
// The values joined with plain commas; nothing is quoted.
std::string Join(const std::vector<std::string>& values);

} // namespace CommaText
