<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sk">
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

Zbieraj tolmkucheny a nos ich
domov. Za každý dostaneš bod.

Hra sa končí, keď už okolo hráča
nevedie žiadna voľná cesta.</translation>
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
        <translation>Začíname</translation>
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
        <translation>Späť doma</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec hry</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Obaja uviazli</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>H1 uviazol</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>H2 uviazol</translation>
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
        <translation>[Ovládanie]
Hráč 1: šípky
Hráč 2: klávesy A, D, W a S

[Tipy]
Hru spustíš medzerníkom alebo klávesom Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Verzia %1

Dones tolmkucheny domov, kým nezoschnú.</translation>
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
        <translation>Nová - proti počí&amp;taču</translation>
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
        <translation>Vy&amp;nulovať rekord...</translation>
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
        <translation>Ľa&amp;hký</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Stredný</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>Ť&amp;ažký</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Meniteľná veľkosť</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Veľkosť &amp;100 %</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Veľkosť 1&amp;50 %</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Veľkosť &amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Posledná po&amp;loha</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Zvuk</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>Pred&amp;volené nastavenia...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ukončiť</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomocník</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Tipy...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O hre...</translation>
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
        <translation>Rekord sa vynuluje.

Naozaj?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Obnovia sa predvolené nastavenia.

Rekord sa nevynuluje.

Naozaj?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Otvorí sa súbor pomocníka vo formáte HTML.

Naozaj?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipy</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O hre</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Hráč 1 (šípky)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Hráč 2 (klávesy A, D, W a S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Výsledok do tabuľky najlepších hier.

Tvoje meno:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Vymazať...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Tabuľky rekordov sa vymažú.

Naozaj?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>súbor sa nedá prečítať alebo má viac ako 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Túto hru nemožno prehrať: %1</translation>
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
        <translation>Dvaja hráči</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Proti počítaču</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Ľahký</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Stredný</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ťažký</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Zatiaľ žiadne hry.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Prehrať</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nový</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Súbor sa nepodarilo otvoriť: %1</translation>
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
        <translation>Zatiaľ nie sú uložené žiadne hry.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Prehrať</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Uložiť ako...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otvoriť...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Uložiť ako</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Záznamy (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Hru sa nepodarilo uložiť ako %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otvoriť</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Záznamy (*.replay);;Všetky súbory (*)</translation>
    </message>
</context>
</TS>
