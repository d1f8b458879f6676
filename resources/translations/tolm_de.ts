<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Anleitung

Hol dir Tolmkuchen und bring sie
nach Hause. Pro Stück ein Punkt.

Das Spiel endet, wenn rund um den
Spieler kein Weg mehr frei ist.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Wiederholung</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Los geht&apos;s</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Tolmkuchen geholt</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Briefmarke geholt</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Eis geholt</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Wieder zu Hause</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Beide stecken fest</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>S1 steckt fest</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>S2 steckt fest</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pkt:</translation>
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
        <translation>[Steuerung]
Spieler 1: Pfeiltasten
Spieler 2: Tasten A, D, W und S

[Tipps]
Drück zum Starten die Leertaste oder die Eingabetaste.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Version %1

Bring die Tolmkuchen nach Hause, bevor sie altbacken werden.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Neu - 1 Spieler</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Ne&amp;u - 2 Spieler</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Bestenlisten...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Status...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>Highscore &amp;löschen...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Viel &amp;Betrieb</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>Größe &amp;veränderbar</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Größe 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>G&amp;röße 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Größ&amp;e 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Letzte &amp;Position</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Standard...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Tipps...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Info...</translation>
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
        <translation>Der Highscore wird gelöscht.

Sicher?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Die Standardeinstellungen werden übernommen.

Der Highscore wird nicht gelöscht.

Sicher?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Eine Hilfedatei im HTML-Format wird geöffnet.

Sicher?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Spieler 1 (Pfeiltasten)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Spieler 2 (Tasten A, D, W und S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Ein Ergebnis für die Bestenliste.

Dein Name:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Löschen...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Die Bestenlisten werden gelöscht.

Sicher?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Ein Spieler</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Noch keine Spiele.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; neu</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Neu - gegen den &amp;Computer</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Wiederholungen...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ansehen</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Dieses Spiel lässt sich nicht ansehen: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>die Datei lässt sich nicht lesen oder ist größer als 1 MiB</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Wiederholungen</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Noch keine Spiele aufbewahrt.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Speichern unter...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Wiederholungen (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Das Spiel ließ sich nicht als %1 speichern.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Wiederholungen (*.replay);;Alle Dateien (*)</translation>
    </message>
</context>
</TS>
