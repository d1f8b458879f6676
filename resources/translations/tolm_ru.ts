<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Как играть

Собирай толмкухены и неси их
домой. За каждый — одно очко.

Игра окончена, когда вокруг
игрока не осталось прохода.</translation>
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
        <translation>Поехали!</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Есть толмкухен!</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Есть печать!</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Есть мороженое!</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Снова дома</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Оба в тупике</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>И1 в тупике</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>И2 в тупике</translation>
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
        <translation>И1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>И2:</translation>
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
        <translation>[Управление]
Игрок 1: стрелки
Игрок 2: клавиши A, D, W и S

[Подсказка]
Чтобы начать игру, нажми Пробел или Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Версия %1

Неси толмкухены домой, пока они не зачерствели.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Новая - 1 игрок</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Новая - 2 &amp;игрока</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Рекорды...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Статус...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Н&amp;астройки</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Сбросить рекорд...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Оживлённая игра</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Изменяемый размер</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Размер 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Р&amp;азмер 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Раз&amp;мер 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Прежнее положение</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>По &amp;умолчанию...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Подсказки...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Об игре...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Рекорд: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Сброс рекорда.

Точно?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Возврат к настройкам по умолчанию.

Рекорд не будет сброшен.

Точно?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Открытие справки в формате HTML.

Точно?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Подсказки</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Об игре</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Игрок 1 (стрелки)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Игрок 2 (клавиши A, D, W и S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Результат попал в таблицу лучших игр.

Твоё имя:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Очистить...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Очистка таблиц лучших игр.

Точно?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Один игрок</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Два игрока</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Игр пока нет.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; новая</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Не удалось открыть файл: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Новая - против &amp;компьютера</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Компьютер</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лёгкий</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Средний</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>Сл&amp;ожный</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Против компьютера</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Пов&amp;торы...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Смотреть</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Эту игру нельзя посмотреть: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>файл не читается или больше 1 МиБ</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Повторы</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Сохранённых игр пока нет.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Смотреть</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Сохранить &amp;как...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Повторы (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Не удалось сохранить игру как %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Повторы (*.replay);;Все файлы (*)</translation>
    </message>
</context>
</TS>
