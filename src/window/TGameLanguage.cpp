#include "TGameLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace {

// qt_add_translations builds the translations into the program's resources
// under this prefix.
const char* const Folder = ":/i18n/";

// The names a desktop's language may be found under, the closest first:
// "pt-PT" gives pt_PT, pt, and pt_BR, the one Portuguese the game speaks.
QStringList Candidates(const QString& wanted)
{
    QString name = wanted;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    QStringList names = {name, language};
    if (language == QStringLiteral("pt"))
        names.append(QStringLiteral("pt_BR"));
    names.removeDuplicates();
    return names;
}

} // namespace

TGameLanguage::TGameLanguage(const QStringList& wanted)
{
    for (const QString& language : wanted) {
        for (const QString& name : Candidates(language)) {
            // The player who reads English first gets English, whatever follows.
            if (name == QStringLiteral("en") || Load(name))
                return;
        }
    }
}

bool TGameLanguage::Load(const QString& name)
{
    if (!Game.load(QStringLiteral("tolm_") + name, QString::fromLatin1(Folder)))
        return false;
    QCoreApplication::installTranslator(&Game);
    // Qt's buttons (OK, Cancel) where Qt has them in the language; the game's
    // own texts show all the same.
    if (Toolkit.load(QStringLiteral("qtbase_") + name,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&Toolkit);
    // Named by the file found, which for "de_AT" is the German one.
    FName = Game.language().toStdString();
    return true;
}
