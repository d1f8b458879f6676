// The languages: the player's found, each complete and fitting where it shows.
#include "TGameBox.h"
#include "TGameField.h"
#include "TGameForm.h"
#include "TGameLanguage.h"
#include "TGamePainterCanvas.h"
#include "TGamePlayerUnit.h"
#include "TGameTextCache.h"

#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>

namespace {

using TTexts = std::map<std::pair<QString, QString>, QString>; // translations, empty unless done

// The language's file as the refresh command would leave it: a text new in
// the sources comes in unfinished, one they dropped stays as vanished.
TTexts Refreshed(const QString& language)
{
    const QTemporaryDir folder;
    const QString name = "tolm_" + language + ".ts";
    QFile ts(folder.filePath(name));
    EXPECT_TRUE(QFile::copy(TOLM_SOURCE_DIR "/resources/translations/" + name, ts.fileName()));
    EXPECT_EQ(QProcess::execute(TOLM_LUPDATE, {"-silent", TOLM_SOURCES, "-ts", ts.fileName()}), 0);
    ts.open(QIODevice::ReadOnly);
    TTexts texts;
    QXmlStreamReader xml(&ts);
    std::array<QString, 2> key; // context, source
    for (xml.readNext(); !xml.atEnd(); xml.readNext())
        if (xml.isStartElement() && (xml.name() == u"name" || xml.name() == u"source"))
            key.at(xml.name() == u"source") = xml.readElementText();
        else if (xml.isStartElement() && xml.name() == u"translation")
            texts[{key[0], key[1]}] = xml.attributes().isEmpty() ? xml.readElementText() : "";
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

// The first of the desktop's languages that the game speaks is chosen; English, once named, wins
// over any after it. Every text translated with its placeholders, lines and access key; no menu
// with an access key twice; the longest message and widest scores side by side with a blank
// between; the instructions' lines half a cell off the edges.
TEST(TGameTranslationsTest, TheFirstLanguageSpokenIsChosenAndEachIsCompleteAndFits)
{
    // clang-format off
    const std::vector<std::pair<QStringList, std::string>> cases = {
        {{"xx-YY", "de-AT", "fr"}, "de"}, {{"pt-PT"}, "pt_BR"},   {{"pt"}, "pt_BR"},
        {{"ja-JP", "de"}, "ja"},          {{"en-GB", "de"}, ""},  {{"C", "uk"}, "uk"},
        {{"zh-SG"}, "zh_CN"},             {{"zh"}, "zh_CN"},      {{"zh-HK"}, "zh_TW"},
        {{"zh-Hant"}, "zh_TW"},           {{"no-NO"}, "nb"},      {{"nn"}, "nb"}};
    // clang-format on
    for (const auto& [wanted, chosen] : cases)
        EXPECT_EQ(TGameLanguage(wanted).Name(), chosen) << wanted.join(' ').toStdString();

    QImage picture(Common::ViewRect.Width(), Common::ViewRect.Height(), QImage::Format_RGB32);
    TGameTextCache cache(TGamePainterCanvas::PictureFont());
    TGamePainterCanvas canvas(picture, cache);
    const auto width = [&](const std::string& text) { return canvas.TextExtent(text).Width; };
    for (const QString& language : Languages) {
        SCOPED_TRACE(language.toStdString());
        const TGameLanguage speaking({language});
        EXPECT_EQ(speaking.Name(), language == "en" ? "" : language.toStdString())
            << "the help page";
        const QTemporaryDir scratch;
        const TGameForm form({scratch.filePath("Settings.ini").toStdString(), ""}, "",
                             scratch.filePath("scores").toStdString());
        QList<const QWidget*> menus = {form.menuBar()};
        for (const QMenu* menu : form.findChildren<QMenu*>())
            menus += menu;
        for (const QWidget* menu : menus) {
            QStringList keys;
            for (const QAction* item : menu->actions()) {
                const QString key = QKeySequence::mnemonic(item->text()).toString();
                EXPECT_TRUE(item->isSeparator() || (!key.isEmpty() && !keys.contains(key)))
                    << "access key " << key.toStdString() << ": " << item->text().toStdString();
                keys += key;
            }
        }
        TGameField field(Common::FieldWidth, Common::FieldHeight);
        field.Translate = TGameBox::RuleWord;
        int message = std::max(width(" " + TGameBox::tr("Paused").toStdString()),
                               width(" " + TGameBox::tr("Replay").toStdString() + " 59:59"));
        for (const auto& [key, translation] : Refreshed(language == "en" ? "de" : language)) {
            EXPECT_TRUE(language == "en" ||
                        (!translation.isEmpty() && Marks(translation) == Marks(key.second)))
                << key.second.toStdString() << " as " << translation.toStdString();
            field.Message = key.second.toStdString();
            if (key.first == "TGameField" && !key.second.endsWith(':'))
                message = std::max(message, width(field.StatusLeftText()));
            const QString lines =
                key.first == "TGameBox" ? TGameBox::tr(field.Message.c_str()) : "";
            for (const QString& line : lines.split('\n'))
                EXPECT_LE(width(line.toStdString()), Common::ViewRect.Width() - 16)
                    << line.toStdString();
        }
        int scores = 0;
        for (const int players : {1, 2}) {
            field.Start(players);
            field.HighScore = 999;
            for (TGamePlayerUnit* player : field.Players)
                player->Score = 999;
            scores = std::max(scores, width(field.StatusRightText()));
        }
        EXPECT_LE(message + width(" ") + scores, Common::ViewRect.Width())
            << "message " << message << " px, scores " << scores << " px";
    }
}

} // namespace
