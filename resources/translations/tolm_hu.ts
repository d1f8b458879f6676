<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Útmutató

Gyűjts tolmkuchent, és vidd haza!
Darabja egy pontot ér.

A játék véget ér, ha a játékos
körül már nincs szabad út.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Visszajátszás</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Szünet</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Indul a játék</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Tolmkuchen megvan</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Bélyeg megvan</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Fagyi megvan</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Hazaértél</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Vége a játéknak</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Mindketten elakadtak</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>J1 elakadt</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>J2 elakadt</translation>
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
        <translation>J1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>J2:</translation>
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
        <translation>[Irányítás]
1. játékos: nyílbillentyűk
2. játékos: A, D, W és S billentyű

[Tippek]
A játék indításához nyomd meg a Szóköz vagy az Enter billentyűt.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Verzió: %1

Vidd haza a tolmkucheneket, mielőtt megszikkadnak!</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Játék</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>Új - &amp;1 játékos</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Új - &amp;2 játékos</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Új - a &amp;gép ellen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Szünet</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Legjobb eredmények...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Visszajátszások...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>Állapo&amp;t...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Beállítások</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>Rekord &amp;törlése...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Pörgős játék</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Számítógép</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Könnyű</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Kö&amp;zepes</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Nehéz</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Méretezhető ablak</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Méret &amp;100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Méret 1&amp;50%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Méret &amp;200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Legutóbbi pozíció</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Hang</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Alapbeállítások...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Kilépés</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Súgó</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Tippek...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Névjegy...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Rekord: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>A rekord törlődik.

Biztosan?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Visszaállnak az alapbeállítások.

A rekord nem törlődik.

Biztosan?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Megnyílik egy HTML formátumú súgófájl.

Biztosan?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tippek</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>1. játékos (nyílbillentyűk)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>2. játékos (A, D, W és S billentyű)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Ez az eredmény felkerül a legjobbak listájára.

A neved:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Törlés...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>A legjobb eredmények listái törlődnek.

Biztosan?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>a fájl nem olvasható, vagy nagyobb 1 MiB-nál</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Ez a játék nem játszható le: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Visszajátszások</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Egy játékos</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Két játékos</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>A gép ellen</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Könnyű</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Közepes</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Nehéz</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Még nincs játék.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Lejátszás</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; új</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Nem sikerült megnyitni a fájlt: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Visszajátszások</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Még nincs megőrzött játék.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Lejátszás</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Mentés másként...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Meg&amp;nyitás...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Mentés másként</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Visszajátszások (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>A játékot nem sikerült %1 néven menteni.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Megnyitás</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Visszajátszások (*.replay);;Minden fájl (*)</translation>
    </message>
</context>
</TS>
