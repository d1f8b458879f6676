<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Як грати

Збирай толмкухени й неси їх
додому. За кожен — одне очко.

Гра закінчується, коли довкола
гравця не лишилося проходу.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Повтор</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Гайда!</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Є толмкухен!</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Є печатка!</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Є морозиво!</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Знову вдома</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Обидва в пастці</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>Г1 у пастці</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>Г2 у пастці</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Оч:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Рек:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Г1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Г2:</translation>
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
        <translation>[Керування]
Гравець 1: стрілки
Гравець 2: клавіші A, D, W і S

[Підказка]
Щоб почати гру, натисни Пробіл або Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Версія %1

Неси толмкухени додому, доки вони не зачерствіли.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Гра</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Нова - 1 гравець</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Нова - 2 &amp;гравці</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Рекорди...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Стан...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Н&amp;алаштування</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Скинути рекорд...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Жвава гра</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Довільний розмір</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Розмір 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Р&amp;озмір 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Роз&amp;мір 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Попереднє положення</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Типові налаштування...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Підказки...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>П&amp;ро гру...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Рекорд: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Скидання рекорду.

Точно?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Повернення до типових налаштувань.

Рекорд не буде скинуто.

Точно?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Відкриття довідки у форматі HTML.

Точно?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Підказки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про гру</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Гравець 1 (стрілки)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Гравець 2 (клавіші A, D, W і S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Результат потрапив до таблиці найкращих ігор.

Твоє ім’я:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Очистити...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Очищення таблиць найкращих ігор.

Точно?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Один гравець</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Два гравці</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Поки що жодної гри.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; нова</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Не вдалося відкрити файл: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Нова - проти &amp;комп’ютера</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Комп’ютер</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Легкий</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Середній</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>Скла&amp;дний</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Проти комп’ютера</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Середній</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Складний</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Пов&amp;тори...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Повтори</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Дивитися</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Цю гру не можна переглянути: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>файл не читається або більший за 1 МіБ</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Повтори</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Збережених ігор поки немає.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Дивитися</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Зберегти &amp;як...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Відкрити...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Зберегти як</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Повтори (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Не вдалося зберегти гру як %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Повтори (*.replay);;Усі файли (*)</translation>
    </message>
</context>
</TS>
