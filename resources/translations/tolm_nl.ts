<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Spelregels

Pak tolmkuchens en breng ze
terug naar huis. Eén punt per stuk.

Het is game over als de speler
nergens meer heen kan.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Gepauzeerd</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Herhaling</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Gestart</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Tolmkuchen gepakt</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Stempel gepakt</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>IJsje gepakt</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Weer thuis</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Beiden zitten vast</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>S1 zit vast</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>S2 zit vast</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Sc:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Hi:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>S1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>S2:</translation>
    </message>
</context>
<context>
    <name>TGameForm</name>
    <message>
        <source>[Controls]
Player 1: Arrow keys
Player 2: A, D, W and S keys

[Tips]
To start the game, press Space or Enter key.</source>
        <translation>[Besturing]
Speler 1: pijltjestoetsen
Speler 2: toetsen A, D, W en S

[Tips]
Druk op de spatiebalk of Enter om het spel te starten.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versie %1

Breng de tolmkuchens naar huis voordat ze oudbakken worden.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nieuw - 1 speler</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Nieu&amp;w - 2 spelers</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauze</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Highscores...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Status...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Highscore wissen...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Druk spel</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Schaalbaar</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Formaat 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>F&amp;ormaat 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Fo&amp;rmaat 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Laatste positie</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>S&amp;tandaard...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Tips...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Highscore: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Highscore wissen.

Weet je het zeker?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Standaardinstellingen toepassen.

De highscore wordt niet gewist.

Weet je het zeker?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Helpbestand in HTML-formaat openen.

Weet je het zeker?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Speler 1 (pijltjestoetsen)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Speler 2 (toetsen A, D, W en S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Een score voor de lijst van beste spellen.

Je naam:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Wissen...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Highscorelijsten wissen.

Weet je het zeker?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Eén speler</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Twee spelers</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Nog geen spellen.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nieuw</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Kan het bestand niet openen: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nieuw - tegen de &amp;computer</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Makkelijk</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Gemiddeld</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>Moei&amp;lijk</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Tegen de computer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Makkelijk</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Moeilijk</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>He&amp;rhalingen...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Herhalingen</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Bekijken</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Dit spel kan niet bekeken worden: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>het bestand is niet te lezen of groter dan 1 MiB</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Herhalingen</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Nog geen spellen bewaard.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Bekijken</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Opslaan als</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Herhalingen (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Het spel kon niet als %1 worden opgeslagen.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Herhalingen (*.replay);;Alle bestanden (*)</translation>
    </message>
</context>
</TS>
