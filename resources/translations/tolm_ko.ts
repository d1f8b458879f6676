<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - 게임 방법

톨름쿠헨을 모아서 집으로
가져가세요. 하나에 1점이에요.

플레이어의 사방이 모두 막히면
게임 오버예요.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>리플레이</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>일시 정지</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>게임 시작</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>톨름쿠헨 획득</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>우표 획득</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>젤라토 획득</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>무사히 귀가</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>게임 오버</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>둘 다 갇힘</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>1P 갇힘</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>2P 갇힘</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>최고</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>1P</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>2P</translation>
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
        <translation>[조작]
플레이어 1: 방향키
플레이어 2: A, D, W, S 키

[팁]
스페이스 바나 Enter 키를 누르면 게임이 시작돼요.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
버전 %1

톨름쿠헨이 굳기 전에 집으로 가져가세요.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>게임(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>새 게임 - 1인용(&amp;N)</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>새 게임 - 2인용(&amp;W)</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>새 게임 - 컴퓨터와 대전(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>일시 정지(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>순위표(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>리플레이(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>상태(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>옵션(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>최고 점수 지우기(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>북적북적 모드(&amp;B)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>컴퓨터 난이도(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>쉬움(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>보통(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>어려움(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>크기 조절 가능(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>100% 크기(&amp;R)</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>150% 크기(&amp;E)</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>200% 크기(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>마지막 위치 기억(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>사운드(&amp;O)</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>기본값 복원(&amp;F)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>팁(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>게임 정보(&amp;A)...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>최고 점수: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>최고 점수를 지울게요.

계속할까요?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>기본 설정으로 되돌릴게요.

최고 점수는 지워지지 않아요.

계속할까요?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>HTML 형식의 도움말 파일을 열게요.

계속할까요?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>팁</translation>
    </message>
    <message>
        <source>About</source>
        <translation>게임 정보</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>플레이어 1 (방향키)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>플레이어 2 (A, D, W, S 키)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>순위표에 오르는 점수예요!

이름:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>지우기...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>순위표를 모두 지울게요.

계속할까요?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>파일을 읽을 수 없거나 크기가 1 MiB를 넘어요</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>이 게임은 볼 수 없어요: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>리플레이</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>1인용</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>2인용</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>컴퓨터와 대전</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>쉬움</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>어려움</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>아직 기록이 없어요.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>보기</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; 최신</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>파일을 열지 못했어요: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>리플레이</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>아직 저장된 게임이 없어요.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>보기(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>다른 이름으로 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>다른 이름으로 저장</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>리플레이 (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>게임을 저장하지 못했어요: %1</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>리플레이 (*.replay);;모든 파일 (*)</translation>
    </message>
</context>
</TS>
