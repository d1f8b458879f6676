#pragma once
// Texts laid out once in the picture's font. Shaping a text costs more than
// drawing it, and the status line draws the same few texts on every tick.

#include <QFont>
#include <QStaticText>

#include <string>
#include <unordered_map>

class TGameTextCache {
public:
    explicit TGameTextCache(const QFont& font);

    // The text laid out in the font; valid until the next call.
    const QStaticText& Layout(const std::string& text);
    const QFont& GetFont() const { return Font; }
    // The height of every line in the font: its ascent plus its descent.
    int LineHeight() const { return FLineHeight; }

private:
    // Scores and messages come and go over a long session; a handful of
    // entries covers one tick's texts, so the cache starts afresh when full.
    static constexpr std::size_t Capacity = 64;

    QFont Font;
    int FLineHeight;
    std::unordered_map<std::string, QStaticText> Texts;
};
