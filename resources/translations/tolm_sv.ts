<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Så spelar du

Plocka tolmkuchen och bär hem dem.
En poäng för varje.

Spelet är slut när det inte finns
någon fri väg runt spelaren.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Repris</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Paus</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Nu kör vi</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Fick en tolmkuchen</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Fick ett frimärke</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Fick en glass</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Hemma igen</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spelet är slut</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Båda sitter fast</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>S1 sitter fast</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>S2 sitter fast</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>P:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rek:</translation>
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
        <translation>[Styrning]
Spelare 1: Piltangenterna
Spelare 2: Tangenterna A, D, W och S

[Tips]
Tryck på mellanslag eller Enter för att starta spelet.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Version %1

Bär hem tolmkuchen innan de hinner bli torra.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Spel</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nytt - 1 spelare</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>N&amp;ytt - 2 spelare</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nytt - mot &amp;datorn</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Paus</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Topplistor...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Repriser...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Status...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Inställningar</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Nollställ rekordet...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Li&amp;vligt spel</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Dator</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Lätt</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Svår</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Fri storlek</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Storlek &amp;100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Storlek 1&amp;50%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Storlek &amp;200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Senaste &amp;position</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Ljud</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Standard...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Avsluta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Tips...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Om...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Rekord: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Rekordet nollställs.

Säker?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Standardinställningarna återställs.

Rekordet nollställs inte.

Säker?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>En hjälpfil i HTML-format öppnas.

Säker?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om Tolm Game</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Spelare 1 (piltangenterna)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Spelare 2 (tangenterna A, D, W och S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Ett resultat för topplistan.

Ditt namn:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Rensa...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Topplistorna rensas.

Säker?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>filen kan inte läsas eller är större än 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Det här spelet kan inte spelas upp: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Repriser</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>En spelare</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Två spelare</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Mot datorn</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Lätt</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svår</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Inga spel än.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Titta</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; ny</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Kunde inte öppna filen: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Repriser</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Inga sparade spel än.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Titta</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Spara som...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Spara som</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Repriser (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Spelet kunde inte sparas som %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Repriser (*.replay);;Alla filer (*)</translation>
    </message>
</context>
</TS>
