// The languages the game speaks: the player's chosen, and each complete and
// fitting where its texts show, measured as the game measures them.
#include "TGameBox.h"
#include "TGameField.h"
#include "TGameForm.h"
#include "TGameLanguage.h"
#include "TGamePainterCanvas.h"
#include "TGamePlayerUnit.h"
#include "TGameTextCache.h"

#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString Folder = QStringLiteral(TOLM_SOURCE_DIR "/resources/translations/");

using TTexts = std::map<std::pair<QString, QString>, QString>; // translations, empty unless done

// The language's file as the refresh command would leave it: a text new in
// the sources comes in unfinished, one they dropped stays as vanished.
TTexts Refreshed(const QString& language)
{
    const QTemporaryDir folder;
    QFile file(folder.filePath("tolm_" + language + ".ts"));
    QFile::copy(Folder + "tolm_" + language + ".ts", file.fileName());
    QProcess::execute(QStringLiteral(TOLM_LUPDATE),
                      {"-silent", "-locations", "none", QStringLiteral(TOLM_SOURCE_DIR "/src/view"),
                       QStringLiteral(TOLM_SOURCE_DIR "/src/window"), "-ts", file.fileName()});
    file.open(QIODevice::ReadOnly);
    TTexts texts;
    QXmlStreamReader xml(&file);
    std::array<QString, 2> key; // context, source
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name" || xml.name() == u"source")
            key.at(xml.name() == u"source") = xml.readElementText();
        else if (xml.name() == u"translation")
            texts[{key[0], key[1]}] =
                xml.attributes().hasAttribute("type") ? "" : xml.readElementText();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

const QStringList Languages = QStringLiteral("en " TOLM_LANGUAGES).split(' '); // English first

// What a translation keeps of its source: placeholders, lines, access key.
std::string Marks(const QString& text)
{
    QStringList marks;
    for (const auto& match : QRegularExpression(R"(%\d|\n|&(?=[^&]))").globalMatch(text))
        marks += match.captured() == "\n" ? "line" : match.captured();
    marks.sort();
    return marks.join(' ').toStdString();
}

} // namespace

// The first of the desktop's languages that the game speaks; English, once
// named, wins over any after it.
TEST(TGameTranslationsTest, TheFirstLanguageTheGameSpeaksIsChosen)
{
    const std::vector<std::pair<QStringList, std::string>> cases = {
        {{"xx-YY", "de-AT", "fr"}, "de"}, {{"pt-PT"}, "pt_BR"},  {{"pt"}, "pt_BR"},
        {{"ja-JP", "de"}, "ja"},          {{"en-GB", "de"}, ""}, {{"C", "uk"}, "uk"}};
    for (const auto& [wanted, chosen] : cases)
        EXPECT_EQ(TGameLanguage(wanted).Name(), chosen) << wanted.join(' ').toStdString();
}

// Every text of the sources translated, with its placeholders, lines and
// access key (English needs none); no menu with an access key twice; the
// longest message beside the widest scores on the status line, with a blank
// between, and the instructions screen's lines half a cell off its edges.
TEST(TGameTranslationsTest, EveryLanguageIsCompleteAndFits)
{
    QImage picture(Common::ViewRect.Width(), Common::ViewRect.Height(), QImage::Format_RGB32);
    TGameTextCache cache(TGamePainterCanvas::PictureFont());
    TGamePainterCanvas canvas(picture, cache);
    const auto width = [&](const QString& text) {
        return canvas.TextExtent(text.toStdString()).Width;
    };
    for (const QString& language : Languages) {
        SCOPED_TRACE(language.toStdString());
        const TTexts texts = Refreshed(language == "en" ? "de" : language);
        EXPECT_GT(texts.size(), 40U);
        for (const auto& [key, translation] : texts)
            EXPECT_TRUE(language == "en" ||
                        (!translation.isEmpty() && Marks(translation) == Marks(key.second)))
                << "not translated, or not alike: " << key.second.toStdString() << " as "
                << translation.toStdString();
        const TGameLanguage speaking({language});
        const QTemporaryDir scratch;
        const TGameForm form({scratch.filePath("Settings.ini").toStdString(), ""}, "",
                             scratch.filePath("scores").toStdString());
        for (const QWidget* menu : form.findChildren<QWidget*>()) {
            QStringList keys;
            for (const QAction* item : menu->inherits("QMenu") || menu->inherits("QMenuBar")
                                           ? menu->actions()
                                           : QList<QAction*>()) {
                const QString key = QKeySequence::mnemonic(item->text()).toString();
                EXPECT_TRUE(item->isSeparator() || (!key.isEmpty() && !keys.contains(key)))
                    << "access key " << key.toStdString() << ": " << item->text().toStdString();
                keys += key;
            }
        }
        TGameField field(Common::FieldWidth, Common::FieldHeight);
        field.Translate = TGameBox::RuleWord;
        int message = width(" " + TGameBox::tr("Paused"));
        for (const auto& [key, text] : texts) {
            const QByteArray source = key.second.toUtf8();
            field.Message = source.toStdString();
            if (key.first == "TGameField" && !source.endsWith(':'))
                message = std::max(message, width(QString::fromStdString(field.StatusLeftText())));
            for (const QString& line : TGameBox::tr(source.constData()).split('\n'))
                EXPECT_TRUE(key.first != "TGameBox" || width(line) <= Common::ViewRect.Width() - 16)
                    << line.toStdString();
        }
        int scores = 0;
        for (const int players : {1, 2}) {
            field.Start(players);
            field.HighScore = 999;
            for (TGamePlayerUnit* player : field.Players)
                player->Score = 999;
            scores = std::max(scores, width(QString::fromStdString(field.StatusRightText())));
        }
        EXPECT_LE(message + width(" ") + scores, Common::ViewRect.Width())
            << "message " << message << " px, scores " << scores << " px";
    }
}
