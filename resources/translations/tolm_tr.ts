<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Nasıl Oynanır

Tolmkuchenleri topla ve eve geri
getir. Her biri bir puan.

Oyuncunun etrafında gidecek yol
kalmayınca oyun biter.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Tekrar</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Duraklatıldı</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Başlıyoruz</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Tolmkuchen alındı</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Pul alındı</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Dondurma alındı</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Eve döndün</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Oyun bitti</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>İkisi de sıkıştı</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>O1 sıkıştı</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>O2 sıkıştı</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>P:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rek:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>O1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>O2:</translation>
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
        <translation>[Kontroller]
Oyuncu 1: Ok tuşları
Oyuncu 2: A, D, W ve S tuşları

[İpuçları]
Oyunu başlatmak için Boşluk ya da Enter tuşuna bas.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Sürüm %1

Tolmkuchenleri bayatlamadan eve götür.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Oyun</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Yeni - 1 Oyuncu</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Yeni - &amp;2 Oyuncu</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Yeni - &amp;Bilgisayara Karşı</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Duraklat</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Rekorlar...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Tekrarlar...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>D&amp;urum...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Seçenekler</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>Rekoru Sı&amp;fırla...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Yoğun Oyun</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Bilgisayar</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Kolay</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Orta</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Zor</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>Boyut &amp;Ayarlanabilir</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Boyut &amp;100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Boyut 1&amp;50%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Boyut &amp;200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>S&amp;on Konum</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Ses</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Varsayılan...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>İ&amp;puçları...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Hakkında...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Rekor: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Rekor sıfırlanacak.

Emin misin?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Varsayılan ayarlar uygulanacak.

Rekor sıfırlanmayacak.

Emin misin?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>HTML biçiminde bir yardım dosyası açılacak.

Emin misin?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>İpuçları</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Oyuncu 1 (ok tuşları)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Oyuncu 2 (A, D, W ve S tuşları)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Bu skor en iyi oyunlar tablosuna giriyor.

Adın:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Temizle...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Rekor tabloları temizlenecek.

Emin misin?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>dosya okunamıyor ya da 1 MiB'tan büyük</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Bu oyun izlenemiyor: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Tekrarlar</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Tek oyuncu</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>İki oyuncu</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Bilgisayara karşı</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Kolay</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Orta</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zor</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Henüz oyun yok.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>İzle</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; yeni</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Dosya açılamadı: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Tekrarlar</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Henüz saklanan oyun yok.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>İ&amp;zle</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Aç...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Tekrarlar (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Oyun %1 olarak kaydedilemedi.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Tekrarlar (*.replay);;Tüm dosyalar (*)</translation>
    </message>
</context>
</TS>
