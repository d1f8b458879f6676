<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Návod

Sbírej tolmkucheny a nos je
domů. Za každý dostaneš bod.

Hra končí, když už kolem hráče
nevede žádná volná cesta.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Záznam</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Začínáme</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Máš tolmkuchen</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Máš známku</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Máš zmrzlinu</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Zpátky doma</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Konec hry</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Oba uvízli</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>H1 uvízl</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>H2 uvízl</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Body:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rek:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>H1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>H2:</translation>
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
        <translation>[Ovládání]
Hráč 1: šipky
Hráč 2: klávesy A, D, W a S

[Tipy]
Hru spustíš mezerníkem nebo klávesou Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Verze %1

Dones tolmkucheny domů, než ztvrdnou.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Hra</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nová - 1 hráč</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>No&amp;vá - 2 hráči</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nová - proti počí&amp;tači</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Rekordy...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Záznamy...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Stav...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Možnosti</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>Vy&amp;nulovat rekord...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Rušná hra</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Počítač</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>S&amp;nadný</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Střední</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Těžký</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Měnitelná velikost</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Velikost &amp;100 %</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Velikost 1&amp;50 %</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Velikost &amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Poslední po&amp;loha</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Zvuk</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Výchozí nastavení...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Nápověda</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Tipy...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O hře...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Rekord: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Rekord se vynuluje.

Opravdu?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Obnoví se výchozí nastavení.

Rekord se nevynuluje.

Opravdu?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Otevře se soubor nápovědy ve formátu HTML.

Opravdu?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hře</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Hráč 1 (šipky)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Hráč 2 (klávesy A, D, W a S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Výsledek do tabulky nejlepších her.

Tvoje jméno:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Vymazat...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Tabulky rekordů se vymažou.

Opravdu?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>soubor nejde přečíst nebo má přes 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Tuto hru nejde přehrát: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Záznamy</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Jeden hráč</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dva hráči</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Proti počítači</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Snadný</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Střední</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Těžký</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Zatím žádné hry.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Přehrát</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nový</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Soubor se nepodařilo otevřít: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Záznamy</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Zatím nejsou uložené žádné hry.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Přehrát</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Uložit jako...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložit jako</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Záznamy (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Hru se nepodařilo uložit jako %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Záznamy (*.replay);;Všechny soubory (*)</translation>
    </message>
</context>
</TS>
