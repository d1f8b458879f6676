<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Instruccions

Agafa tolmkuchens i porta’ls
cap a casa. Un punt per cadascun.

La partida s’acaba quan el jugador
ja no té cap sortida al voltant.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Repetició</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Som-hi!</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Un tolmkuchen!</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Un segell!</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Un gelat!</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>De tornada a casa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fi de la partida</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Tots dos atrapats</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>J1 atrapat</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>J2 atrapat</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pts:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rèc:</translation>
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
        <translation>[Controls]
Jugador 1: tecles de fletxa
Jugador 2: tecles A, D, W i S

[Consells]
Per començar la partida, prem Espai o Retorn.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versió %1

Porta els tolmkuchens a casa abans que es posin durs.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Joc</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nova partida - 1 jugador</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>No&amp;va partida - 2 jugadors</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nova partida - &amp;contra l’ordinador</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Rècords...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Repe&amp;ticions...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Estat...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcions</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Esborra el rècord...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Partida &amp;intensa</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Ordinador</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fàcil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Redimensionable</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Mida al &amp;100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Mida al 1&amp;50%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Mida al &amp;200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Última &amp;posició</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;So</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>Valors per &amp;defecte...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Surt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Consells...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Quant a...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Rècord: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estat</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>S’esborrarà el rècord.

Segur?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>S’aplicaran els valors per defecte.

El rècord no s’esborrarà.

Segur?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>S’obrirà un fitxer d’ajuda en format HTML.

Segur?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consells</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Jugador 1 (tecles de fletxa)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Jugador 2 (tecles A, D, W i S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Una puntuació per a la taula de les millors partides.

El teu nom:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Esborra...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>S’esborraran les taules de les millors partides.

Segur?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>el fitxer no es pot llegir o ocupa més d’1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Aquesta partida no es pot reproduir: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Repeticions</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dos jugadors</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contra l’ordinador</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fàcil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Encara no hi ha partides.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Reprodueix</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nova</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>No s’ha pogut obrir el fitxer: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Repeticions</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Encara no s’ha desat cap partida.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Reprodueix</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Desa com a...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Obre...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Desa com a</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Repeticions (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>No s’ha pogut desar la partida com a %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Obre</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Repeticions (*.replay);;Tots els fitxers (*)</translation>
    </message>
</context>
</TS>
