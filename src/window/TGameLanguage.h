#pragma once
// The player's language, the first of the desktop's (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG, as Qt reads them) that the game speaks: the game's
// texts and Qt's own buttons show in it while this object lives. English,
// the texts' own language, needs no translation.

#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <string>

class TGameLanguage {
public:
    explicit TGameLanguage(const QStringList& wanted = QLocale().uiLanguages());

    // "de", "pt_BR" and the like; empty for English.
    const std::string& Name() const { return FName; }

private:
    bool Load(const QString& name);

    QTranslator Game;
    QTranslator Toolkit;
    std::string FName;
};
