<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Instrucțiuni

Adună tolmkucheni și du-i acasă.
Câte un punct pentru fiecare.

Jocul se termină când jucătorul
nu mai are pe unde să meargă.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Reluare</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauză</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>La drum!</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Ai un tolmkuchen</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Ai un timbru</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Ai o înghețată</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Înapoi acasă</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Joc terminat</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Amândoi blocați</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>J1 blocat</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>J2 blocat</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pct:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rec:</translation>
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
        <translation>[Comenzi]
Jucătorul 1: săgețile
Jucătorul 2: tastele A, D, W și S

[Sfaturi]
Ca să începi jocul, apasă Spațiu sau Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versiunea %1

Du tolmkuchenii acasă înainte să se învechească.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>Joc &amp;nou - 1 jucător</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Joc nou - &amp;2 jucători</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Joc nou - contra &amp;calculatorului</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauză</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Recorduri...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Re&amp;luări...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Stare...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opțiuni</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>Șterge &amp;recordul...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Joc &amp;aglomerat</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Calculator</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Ușor</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mediu</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Greu</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>Re&amp;dimensionabil</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Mărime &amp;100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Mărime 1&amp;50%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Mărime &amp;200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Ultima poziție</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Sunet</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>Setări &amp;implicite...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Ieșire</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajutor</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Sfaturi...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Despre...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Record: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stare</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Recordul va fi șters.

Sigur?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Se aplică setările implicite.

Recordul nu va fi șters.

Sigur?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Se deschide un fișier de ajutor în format HTML.

Sigur?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Sfaturi</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Despre</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Jucătorul 1 (săgețile)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Jucătorul 2 (tastele A, D, W și S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Un scor care intră între cele mai bune jocuri.

Numele tău:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Șterge...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Tabelele cu recorduri vor fi șterse.

Sigur?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>fișierul nu poate fi citit sau depășește 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Acest joc nu poate fi vizionat: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Reluări</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un jucător</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Doi jucători</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contra calculatorului</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Ușor</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mediu</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Greu</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Încă niciun joc.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Vizionează</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nou</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Fișierul nu a putut fi deschis: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Reluări</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Încă niciun joc păstrat.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Vizionează</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salvează ca...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Deschide...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvează ca</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Reluări (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Jocul nu a putut fi salvat ca %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Deschide</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Reluări (*.replay);;Toate fișierele (*)</translation>
    </message>
</context>
</TS>
