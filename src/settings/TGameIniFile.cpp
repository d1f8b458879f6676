#include "TGameIniFile.h"

#include "AsciiText.h"

#include <algorithm>

TGameIniFile::TGameIniFile(std::string_view text)
{
    std::size_t current = Sections.size();
    // Cutting at every CR and every LF reads all three kinds of line end
    // alike: the empty piece between CR and LF is dropped like any empty line.
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        AddLine(AsciiText::Trim(text.substr(0, end)), current);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
}

void TGameIniFile::AddLine(std::string_view line, std::size_t& current)
{
    if (line.empty() || line.front() == ';')
        return;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
        const std::string_view name = AsciiText::Trim(line.substr(1, line.size() - 2));
        // A name seen before goes on with that section, so that a key below a
        // second header is still found and written once.
        current = SectionIndex(name);
        if (current == Sections.size())
            Sections.push_back({std::string(name), {}});
        return;
    }
    if (current == Sections.size())
        return;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        Sections[current].Lines.push_back({std::string(line), {}, false});
    else
        Sections[current].Lines.push_back({std::string(AsciiText::Trim(line.substr(0, equals))),
                                           std::string(AsciiText::Trim(line.substr(equals + 1))),
                                           true});
}

std::string TGameIniFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const
{
    const std::size_t index = SectionIndex(section);
    if (index == Sections.size())
        return std::string(fallback);
    const std::vector<TLine>& lines = Sections[index].Lines;
    const auto line = std::ranges::find_if(lines, [key](const TLine& l) { return IsKey(l, key); });
    return line == lines.end() ? std::string(fallback) : line->Value;
}

void TGameIniFile::WriteString(std::string_view section, std::string_view key,
                               std::string_view value)
{
    const std::size_t index = SectionIndex(section);
    if (index == Sections.size())
        Sections.push_back({std::string(section), {}});
    std::vector<TLine>& lines = Sections[index].Lines;
    const auto line = std::ranges::find_if(lines, [key](const TLine& l) { return IsKey(l, key); });
    if (line == lines.end())
        lines.push_back({std::string(key), std::string(value), true});
    else
        line->Value = value;
}

std::string TGameIniFile::Text() const
{
    std::string text;
    for (const TSection& section : Sections) {
        text += "[" + section.Name + "]\r\n";
        for (const TLine& line : section.Lines)
            text += (line.IsKey ? line.Name + "=" + line.Value : line.Name) + "\r\n";
        text += "\r\n";
    }
    return text;
}

std::size_t TGameIniFile::SectionIndex(std::string_view section) const
{
    const auto found = std::ranges::find_if(
        Sections, [section](const TSection& s) { return AsciiText::SameText(s.Name, section); });
    return static_cast<std::size_t>(found - Sections.begin());
}

bool TGameIniFile::IsKey(const TLine& line, std::string_view key)
{
    return line.IsKey && AsciiText::SameText(line.Name, key);
}
