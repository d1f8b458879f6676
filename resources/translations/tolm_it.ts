<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Istruzioni

Prendi i tolmkuchen e riportali
a casa. Un punto per ciascuno.

La partita finisce quando attorno
al giocatore non c&apos;è più via libera.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Replay</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Partita iniziata</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Preso un tolmkuchen</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Preso un francobollo</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Preso un gelato</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Di nuovo a casa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Entrambi bloccati</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>G1 è bloccato</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>G2 è bloccato</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pt:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rec:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>G1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>G2:</translation>
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
        <translation>[Comandi]
Giocatore 1: tasti freccia
Giocatore 2: tasti A, D, W e S

[Suggerimenti]
Per iniziare la partita, premi il tasto Spazio o Invio.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versione %1

Riporta i tolmkuchen a casa prima che diventino raffermi.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Partita</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nuova - 1 giocatore</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Nuova - 2 &amp;giocatori</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Classifiche...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Stato...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Azzera record...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Partita &amp;movimentata</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Ridimensionabile</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Dimensione 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>D&amp;imensione 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Dime&amp;nsione 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Ultima posizione</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Valori predefiniti...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Suggerimenti...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Record: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Azzeramento del record.

Confermi?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Ripristino delle impostazioni predefinite.

Il record non verrà azzerato.

Confermi?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Apertura di un file di aiuto in formato HTML.

Confermi?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Suggerimenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Giocatore 1 (tasti freccia)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Giocatore 2 (tasti A, D, W e S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Un punteggio per la classifica delle migliori partite.

Il tuo nome:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Azzera...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Azzeramento delle classifiche.

Confermi?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un giocatore</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Due giocatori</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Ancora nessuna partita.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nuovo</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nuova - contro il co&amp;mputer</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>Com&amp;puter</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contro il computer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Replay...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Guarda</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Questa partita non si può guardare: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>il file non si può leggere o supera 1 MiB</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Replay</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Nessuna partita conservata.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Guarda</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salva come...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salva come</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Replay (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Non è stato possibile salvare la partita come %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Replay (*.replay);;Tutti i file (*)</translation>
    </message>
</context>
</TS>
