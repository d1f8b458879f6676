<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Vejledning

Hent tolmkuchener og bring dem
hjem. Ét point for hver.

Spillet er slut, når der ikke er
nogen fri vej rundt om spilleren.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Genafspilning</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>På pause</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Nu går det løs</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Fik en tolmkuchen</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Fik et frimærke</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Fik en is</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Hjemme igen</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spillet er slut</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Begge sidder fast</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>S1 sidder fast</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>S2 sidder fast</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pt:</translation>
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
        <translation>[Styring]
Spiller 1: piletasterne
Spiller 2: tasterne A, D, W og S

[Tips]
Tryk på mellemrum eller Enter for at starte spillet.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Version %1

Bring tolmkuchenerne hjem, før de bliver tørre.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Spil</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nyt - 1 spiller</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>N&amp;yt - 2 spillere</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nyt - mod &amp;computeren</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Toplister...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Genafspilninger...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Status...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Indstillinger</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Nulstil rekord...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Travlt spil</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Let</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Middel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Svær</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Fri størrelse</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Størrelse &amp;100 %</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Størrelse 1&amp;50 %</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Størrelse &amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Seneste &amp;position</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Lyd</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Standard...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afslut</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjælp</translation>
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
        <translation>Rekorden nulstilles.

Er du sikker?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Standardindstillingerne tages i brug.

Rekorden bliver ikke nulstillet.

Er du sikker?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>En hjælpefil i HTML-format åbnes.

Er du sikker?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Spiller 1 (piletasterne)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Spiller 2 (tasterne A, D, W og S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Et resultat til listen over de bedste spil.

Dit navn:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Ryd...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Toplisterne ryddes.

Er du sikker?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>filen kan ikke læses eller er over 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Dette spil kan ikke ses: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Genafspilninger</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Én spiller</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>To spillere</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Mod computeren</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Let</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Middel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Svær</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Ingen spil endnu.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Se</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; ny</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Filen kunne ikke åbnes: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Genafspilninger</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Ingen gemte spil endnu.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Se</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Gem som...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Åbn...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Gem som</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Genafspilninger (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Spillet kunne ikke gemmes som %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Åbn</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Genafspilninger (*.replay);;Alle filer (*)</translation>
    </message>
</context>
</TS>
