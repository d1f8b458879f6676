#pragma once
// Text rules shared by the settings file's reader: the file is 8-bit text, so
// only ASCII letters have a case and only ASCII blanks and controls are trimmed.

#include <string_view>

namespace AsciiText {

// A blank or an ASCII control character (0 to 31, 127).
bool IsBlankOrControl(char c);
// text without blanks and control characters at either end.
std::string_view Trim(std::string_view text);
// Equal when ASCII letters are compared without regard to case.
bool SameText(std::string_view a, std::string_view b);

} // namespace AsciiText
