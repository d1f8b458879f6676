#include "CommaText.h"

#include "AsciiText.h"

namespace CommaText {

namespace {

std::size_t SkipBlanksAndControls(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && AsciiText::IsBlankOrControl(text[pos]))
        ++pos;
    return pos;
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

// The quoted value that starts at pos; pos moves past its closing quote, or
// to the end of the text when the quote is never closed.
std::string QuotedValue(std::string_view text, std::size_t& pos)
{
    std::string value;
    for (++pos; pos < text.size(); ++pos) {
        if (text[pos] != '"') {
            value += text[pos];
        } else if (pos + 1 < text.size() && text[pos + 1] == '"') {
            value += '"';
            ++pos;
        } else {
            ++pos;
            break;
        }
    }
    return value;
}

std::string PlainValue(std::string_view text, std::size_t& pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && text[pos] != ',' && !AsciiText::IsBlankOrControl(text[pos]))
        ++pos;
    return std::string(text.substr(start, pos - start));
}

} // namespace

std::vector<std::string> Split(std::string_view text)
{
    std::vector<std::string> values;
    std::size_t pos = SkipBlanksAndControls(text, 0);
    while (pos < text.size()) {
        values.push_back(text[pos] == '"' ? QuotedValue(text, pos) : PlainValue(text, pos));
        pos = SkipBlanks(text, pos);
        if (pos < text.size() && text[pos] == ',') {
            ++pos;
            if (pos == text.size())
                values.emplace_back(); // so "a," holds two values, the last one empty
        }
        pos = SkipBlanksAndControls(text, pos);
    }
    return values;
}

std::string Join(const std::vector<std::string>& values)
{
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        text += values[i];
    }
    return text;
}

} // namespace CommaText
