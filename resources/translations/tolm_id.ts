<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Petunjuk

Ambil tolmkuchen dan bawa pulang
ke rumah. Satu kue, satu poin.

Permainan usai jika tak ada lagi
jalan di sekitar pemain.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Rekaman</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Jeda</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Ayo mulai!</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Dapat tolmkuchen</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Dapat prangko</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Dapat gelato</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Sampai di rumah</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Permainan usai</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Keduanya terjebak</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>P1 terjebak</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>P2 terjebak</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Skor:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Top:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>P1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>P2:</translation>
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
        <translation>[Kontrol]
Pemain 1: Tombol panah
Pemain 2: Tombol A, D, W, dan S

[Tips]
Tekan Spasi atau Enter untuk mulai bermain.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versi %1

Bawa pulang tolmkuchen sebelum basi.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Permainan</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Baru - 1 Pemain</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Baru - &amp;2 Pemain</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Baru - Lawan &amp;Komputer</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Jeda</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Papan Skor...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Rekaman...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Status...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opsi</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Hapus Skor Tertinggi...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Mode &amp;Ramai</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Komputer</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Mudah</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>Se&amp;dang</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Sulit</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>Ukuran &amp;Bebas</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Ukuran &amp;100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Ukuran 1&amp;50%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Ukuran &amp;200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Posisi &amp;Terakhir</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Suara</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>Setelan &amp;Awal...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>K&amp;eluar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Bantuan</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Tips...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Tent&amp;ang...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Skor tertinggi: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Skor tertinggi akan dihapus.

Yakin?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Setelan awal akan dipakai lagi.

Skor tertinggi tidak akan dihapus.

Yakin?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Berkas bantuan dalam format HTML akan dibuka.

Yakin?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Tips</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Pemain 1 (tombol panah)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Pemain 2 (tombol A, D, W, dan S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Skor ini masuk papan skor!

Namamu:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Hapus...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Papan skor akan dikosongkan.

Yakin?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>berkas tidak bisa dibaca, atau lebih dari 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Permainan ini tidak bisa diputar: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Rekaman</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Satu pemain</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Dua pemain</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Lawan komputer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Mudah</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Sedang</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Sulit</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Belum ada permainan.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Putar</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; baru</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Gagal membuka berkas: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Rekaman</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Belum ada permainan yang disimpan.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Putar</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Simpan Sebagai...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Buka...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Simpan Sebagai</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Rekaman (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Permainan tidak bisa disimpan sebagai %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Rekaman (*.replay);;Semua berkas (*)</translation>
    </message>
</context>
</TS>
