#include "TGameTextCache.h"

#include <QFontMetrics>
#include <QString>

TGameTextCache::TGameTextCache(const QFont& font)
    : Font(font), FLineHeight(QFontMetrics(font).height())
{
}

const QStaticText& TGameTextCache::Layout(const std::string& text)
{
    const auto found = Texts.find(text);
    if (found != Texts.end())
        return found->second;
    if (Texts.size() >= Capacity)
        Texts.clear();
    QStaticText layout(QString::fromUtf8(text));
    layout.setTextFormat(Qt::PlainText);
    layout.prepare(QTransform(), Font);
    return Texts.emplace(text, std::move(layout)).first->second;
}
