<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - 遊戲說明

收集托姆蛋糕，把它們帶回家。
每個蛋糕得 1 分。

當玩家四周都無路可走時，
遊戲就結束了。</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>重播</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>暫停中</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>遊戲開始</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>拿到托姆蛋糕</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>拿到郵票</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>拿到冰淇淋</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>平安回到家</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>遊戲結束</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>兩人都被困住了</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>1P 被困住了</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>2P 被困住了</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>最高</translation>
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
        <translation>【操作方式】
玩家 1：方向鍵
玩家 2：A、D、W、S 鍵

【小提示】
按空白鍵或 Enter 鍵就能開始遊戲。</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
版本 %1

趁托姆蛋糕還新鮮，快把它們帶回家！</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>遊戲(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>新遊戲 - 單人(&amp;N)</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>新遊戲 - 雙人(&amp;W)</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>新遊戲 - 電腦對戰(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暫停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>排行榜(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>重播(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>狀態(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>選項(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>清除最高分(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>熱鬧模式(&amp;B)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>電腦難度(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>簡單(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>普通(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>困難(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>可調整大小(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>縮放為 100%(&amp;R)</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>縮放為 150%(&amp;E)</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>縮放為 200%(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>記住視窗位置(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>音效(&amp;O)</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>還原預設值(&amp;F)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>小提示(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>關於(&amp;A)...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>最高分：%1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>即將清除最高分。

確定嗎？</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>即將還原預設設定。

最高分不會被清除。

確定嗎？</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>即將開啟 HTML 格式的說明檔案。

確定嗎？</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>小提示</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>玩家 1（方向鍵）</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>玩家 2（A、D、W、S 鍵）</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>這個分數登上排行榜了！

你的名字：</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>清除...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>即將清空排行榜。

確定嗎？</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>檔案無法讀取，或超過 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>無法觀看這場遊戲：%1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>重播</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>單人遊戲</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>雙人遊戲</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>電腦對戰</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>簡單</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困難</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>還沒有遊戲紀錄。</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>觀看</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; 最新</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>無法開啟檔案：%1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>重播</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>還沒有儲存的遊戲。</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>觀看(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存新檔(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開啟(&amp;O)...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存新檔</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>重播檔 (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>無法將遊戲儲存為 %1。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>重播檔 (*.replay);;所有檔案 (*)</translation>
    </message>
</context>
</TS>
