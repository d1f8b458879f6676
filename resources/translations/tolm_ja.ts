<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - 遊び方

トルムクーヘンを取って
家へ運びましょう。1個で1点です。

プレイヤーの周りに進める道が
なくなるとゲームオーバーです。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>一時停止中</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>リプレイ</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>スタート</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>トルムクーヘン獲得</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>スタンプ獲得</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>ジェラート獲得</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>無事に帰宅</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>2人とも動けない</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>1Pが動けない</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>2Pが動けない</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>得点</translation>
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
プレイヤー1: 矢印キー
プレイヤー2: A、D、W、Sキー

【ヒント】
スペースキーかEnterキーでゲームが始まります。</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
バージョン %1

古くなる前にトルムクーヘンを家へ運びましょう。</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>新規 - 1人プレイ(&amp;N)</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>新規 - 2人プレイ(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>一時停止(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>ハイスコア(&amp;H)...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>ステータス(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>オプション(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>ハイスコアを消去(&amp;C)...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>にぎやかモード(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>サイズ変更可(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>100%サイズ(&amp;R)</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>150%サイズ(&amp;E)</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>200%サイズ(&amp;Z)</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>前回の位置(&amp;L)</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>サウンド(&amp;O)</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>初期設定に戻す(&amp;F)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>ヒント(&amp;T)...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>ハイスコア: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>ステータス</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>ハイスコアを消去します。

よろしいですか？</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>初期設定に戻します。

ハイスコアは消去されません。

よろしいですか？</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>HTML形式のヘルプファイルを開きます。

よろしいですか？</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>ヒント</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>プレイヤー1（矢印キー）</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>プレイヤー2（A、D、W、Sキー）</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>ランキング入りのスコアです。

名前:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>消去...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>ランキングを消去します。

よろしいですか？</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>1人プレイ</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>2人プレイ</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>まだ記録がありません。</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; 最新</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>ファイルを開けませんでした: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>新規 - コンピューター対戦(&amp;C)</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>コンピューターの強さ(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>かんたん(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>ふつう(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>むずかしい(&amp;H)</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>コンピューター対戦</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>かんたん</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>ふつう</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>リプレイ(&amp;R)...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>リプレイ</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>見る</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>このゲームは再生できません: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>ファイルを読めないか、1 MiB を超えています</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>リプレイ</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>保存されたゲームはまだありません。</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>見る(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>名前を付けて保存(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>リプレイ (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>ゲームを %1 として保存できませんでした。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>リプレイ (*.replay);;すべてのファイル (*)</translation>
    </message>
</context>
</TS>
