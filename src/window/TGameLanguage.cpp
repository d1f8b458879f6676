#include "TGameLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <algorithm>

namespace {

// qt_add_translations builds the translations into the program's resources
// under this prefix.
const char* const Folder = ":/i18n/";

// The one written form the game speaks of a language that has several:
// Portuguese is Brazil's; Chinese is Traditional in Taiwan, Hong Kong and
// Macao (or where the script is named), Simplified elsewhere; Norwegian
// readers, of Nynorsk too, read Bokmål.
QString WrittenForm(const QString& language, const QStringList& parts)
{
    if (language == QStringLiteral("pt"))
        return QStringLiteral("pt_BR");
    if (language == QStringLiteral("zh")) {
        const bool traditional = std::ranges::any_of(parts, [](const QString& part) {
            return part == QStringLiteral("TW") || part == QStringLiteral("HK") ||
                   part == QStringLiteral("MO") || part == QStringLiteral("Hant");
        });
        return traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    }
    if (language == QStringLiteral("no") || language == QStringLiteral("nn"))
        return QStringLiteral("nb");
    return {};
}

// The names a desktop's language may be found under, the closest first:
// "pt-PT" gives pt_PT, pt, and pt_BR.
QStringList Candidates(const QString& wanted)
{
    QString name = wanted;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QStringList parts = name.split(QLatin1Char('_'));
    QStringList names = {name, parts.first()};
    if (const QString written = WrittenForm(parts.first(), parts); !written.isEmpty())
        names.append(written);
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
