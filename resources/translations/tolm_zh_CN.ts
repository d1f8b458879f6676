<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - 玩法说明

收集托姆蛋糕，把它们带回家。
每个蛋糕得 1 分。

当玩家四周都无路可走时，
游戏就结束了。</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>回放</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>游戏开始</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>拿到托姆蛋糕</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>拿到邮票</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>拿到冰淇淋</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>平安到家</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>两人都被困住了</translation>
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
        <translation>【操作】
玩家 1：方向键
玩家 2：A、D、W、S 键

【提示】
按空格键或 Enter 键开始游戏。</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
版本 %1

趁托姆蛋糕还新鲜，快把它们带回家！</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>新游戏 - 单人(&amp;N)</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>新游戏 - 双人(&amp;W)</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>新游戏 - 人机对战(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>排行榜(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>回放(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>状态(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>选项(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>清除最高分(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>热闹模式(&amp;B)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>电脑难度(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>简单(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>中等(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>困难(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>可调整大小(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>缩放到 100%(&amp;R)</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>缩放到 150%(&amp;E)</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>缩放到 200%(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>记住窗口位置(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>音效(&amp;O)</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>恢复默认设置(&amp;F)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>提示(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>关于(&amp;A)...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>最高分：%1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>将清除最高分。

确定吗？</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>将恢复默认设置。

最高分不会被清除。

确定吗？</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>将打开 HTML 格式的帮助文件。

确定吗？</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>玩家 1（方向键）</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>玩家 2（A、D、W、S 键）</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>这个成绩进入排行榜了！

你的名字：</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>清除...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>将清空排行榜。

确定吗？</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>文件无法读取，或超过 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>无法观看这局游戏：%1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>单人游戏</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>双人游戏</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>人机对战</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>还没有游戏记录。</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>观看</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; 最新</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>无法打开文件：%1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>回放</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>还没有保存的游戏。</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>观看(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>另存为(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>回放文件 (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>无法将游戏保存为 %1。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>回放文件 (*.replay);;所有文件 (*)</translation>
    </message>
</context>
</TS>
