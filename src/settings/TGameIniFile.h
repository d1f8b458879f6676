#pragma once
// The settings file as text: sections of keys, read and written back whole.
// What a user added by hand (other sections, other keys, loose lines in a
// section) survives a rewrite; comments and blank lines do not.

#include <string>
#include <string_view>
#include <vector>

class TGameIniFile {
public:
    // The sections of text, whose lines may end in CR LF, LF or CR. Lines are
    // trimmed; empty lines, ";" lines and lines before the first section are
    // dropped; "[name]" opens a section; a line with "=" is a key.
    explicit TGameIniFile(std::string_view text = {});

    // The value of key in section, or fallback when there is none. Section
    // and key names compare without regard to ASCII case.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // Sets the value of key in section where it stands, or adds the key at the
    // end of the section, or adds the section at the end of the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    // The whole file: for each section "[name]", its lines, then an empty line,
    // every line ending in CR LF.
    std::string Text() const;

private:
    struct TLine {
        // A key's name, or a loose line's whole text.
        std::string Name;
        std::string Value;
        bool IsKey = false;
    };
    struct TSection {
        std::string Name;
        std::vector<TLine> Lines;
    };

    std::vector<TSection> Sections;

    // Adds a trimmed line of the file to the section at current, or opens a
    // section there; current is Sections.size() before the first section.
    void AddLine(std::string_view line, std::size_t& current);
    // The index of the section, or Sections.size() when there is none.
    std::size_t SectionIndex(std::string_view section) const;
    static bool IsKey(const TLine& line, std::string_view key);
};
