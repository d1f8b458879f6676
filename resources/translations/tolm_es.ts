<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Instrucciones

Recoge tolmkuchen y llévalos a casa.
Un punto por cada uno.

La partida termina cuando el jugador
ya no tiene salida a su alrededor.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Repetición</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>En marcha</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>¡Un tolmkuchen!</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>¡Un sello!</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>¡Un helado!</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>De vuelta en casa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Ambos atrapados</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>J1 atrapado</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>J2 atrapado</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pts:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Réc:</translation>
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
        <translation>[Controles]
Jugador 1: teclas de flecha
Jugador 2: teclas A, D, W y S

[Consejos]
Para empezar la partida, pulsa la tecla Espacio o Intro.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versión %1

Lleva los tolmkuchen a casa antes de que se echen a perder.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nueva - 1 jugador</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Nue&amp;va - 2 jugadores</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Récords...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Estado...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Borrar récord...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Partida &amp;intensa</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Redimensionable</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Tamaño al 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>T&amp;amaño al 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Ta&amp;maño al 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Última &amp;posición</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>Valores pre&amp;determinados...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Consejos...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Récord: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Se borrará el récord.

¿Seguro?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Se aplicarán los valores predeterminados.

El récord no se borrará.

¿Seguro?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Se abrirá un archivo de ayuda en formato HTML.

¿Seguro?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Consejos</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Jugador 1 (teclas de flecha)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Jugador 2 (teclas A, D, W y S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Una puntuación para la tabla de las mejores partidas.

Tu nombre:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Borrar...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Se borrarán las tablas de las mejores partidas.

¿Seguro?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Aún no hay partidas.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nueva</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nueva - contra la &amp;máquina</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>Má&amp;quina</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
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
        <source>Against the computer</source>
        <translation>Contra la máquina</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
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
        <source>&amp;Replays...</source>
        <translation>Repe&amp;ticiones...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Esta partida no se puede ver: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>no se puede leer el archivo o pesa más de 1 MiB</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Repeticiones</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Aún no hay partidas guardadas.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Guardar como...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Repeticiones (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>No se pudo guardar la partida como %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Repeticiones (*.replay);;Todos los archivos (*)</translation>
    </message>
</context>
</TS>
