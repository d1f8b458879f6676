<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Instruções

Pegue tolmkuchen e leve-os
para casa. Um ponto por cada um.

A partida termina quando o jogador
fica sem saída ao seu redor.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Em pausa</translation>
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
        <translation>Partida iniciada</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Um tolmkuchen!</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Um selo!</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Um gelato!</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>De volta a casa</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Ambos presos</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>J1 preso</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>J2 preso</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pts:</translation>
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
        <translation>[Comandos]
Jogador 1: teclas de seta
Jogador 2: teclas A, D, W e S

[Dicas]
Para começar a partida, pressione a tecla Espaço ou Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versão %1

Leve os tolmkuchen para casa antes que se estraguem.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Jogo</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nova - 1 jogador</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>No&amp;va - 2 jogadores</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Recordes...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Estado...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Apagar recorde...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Partida &amp;intensa</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Redimensionável</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Tamanho 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Ta&amp;manho 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Tama&amp;nho 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Última &amp;posição</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>Valores pa&amp;drão...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ajuda</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Dicas...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Recorde: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>O recorde será apagado.

Confirma?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Serão aplicados os valores padrão.

O recorde não será apagado.

Confirma?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Será aberto um arquivo de ajuda em formato HTML.

Confirma?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Dicas</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Jogador 1 (teclas de seta)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Jogador 2 (teclas A, D, W e S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Uma pontuação para a tabela das melhores partidas.

Seu nome:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Apagar...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>As tabelas das melhores partidas serão apagadas.

Confirma?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dois jogadores</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Ainda não há partidas.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nova</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nova - contra o &amp;computador</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Computador</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Médio</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contra o computador</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Médio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Rep&amp;lays...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Replays</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Assistir</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Não é possível assistir a esta partida: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>o arquivo não pode ser lido ou passa de 1 MiB</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Replays</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Nenhuma partida guardada ainda.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Assistir</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Salvar como...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Replays (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Não foi possível salvar a partida como %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Replays (*.replay);;Todos os arquivos (*)</translation>
    </message>
</context>
</TS>
