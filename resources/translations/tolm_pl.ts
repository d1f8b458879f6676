<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Instrukcja

Zbieraj tolmkucheny i zanoś je
do domu. Każdy to jeden punkt.

Gra kończy się, gdy wokół gracza
nie ma już wolnej drogi.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Powtórka</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Zaczynamy</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Masz tolmkuchen</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Masz znaczek</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Masz lody</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>W domu</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Obaj utknęli</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>G1 utknął</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>G2 utknął</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pkt:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rk:</translation>
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
        <translation>[Sterowanie]
Gracz 1: strzałki
Gracz 2: klawisze A, D, W i S

[Wskazówki]
Aby zacząć grę, naciśnij spację lub Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Wersja %1

Zanieś tolmkucheny do domu, zanim sczerstwieją.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nowa - 1 gracz</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>No&amp;wa - 2 graczy</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Rekordy...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Status...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Wyzeruj rekord...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Intensywna gra</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Skalowalne okno</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Rozmiar 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Ro&amp;zmiar 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Roz&amp;miar 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Ostatnia pozycja</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Ustawienia domyślne...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Wskazówki...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O grze...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Rekord: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Zerowanie rekordu.

Na pewno?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Przywracanie ustawień domyślnych.

Rekord nie zostanie wyzerowany.

Na pewno?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Otwieranie pliku pomocy w formacie HTML.

Na pewno?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Wskazówki</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Gracz 1 (strzałki)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Gracz 2 (klawisze A, D, W i S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Wynik do tabeli najlepszych gier.

Twoje imię:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Wyczyść...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Czyszczenie tabel rekordów.

Na pewno?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Na razie brak gier.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nowy</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Nie udało się otworzyć pliku: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nowa - z &amp;komputerem</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Komputer</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Łatwy</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Ś&amp;redni</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Trudny</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Z komputerem</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Pow&amp;tórki...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Powtórki</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Obejrzyj</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Tej gry nie można obejrzeć: %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>nie da się odczytać pliku albo ma ponad 1 MiB</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Powtórki</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Nie ma jeszcze zapisanych gier.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Obejrzyj</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Zapisz jako...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ot&amp;wórz...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Zapisz jako</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Powtórki (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Nie udało się zapisać gry jako %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Powtórki (*.replay);;Wszystkie pliki (*)</translation>
    </message>
</context>
</TS>
