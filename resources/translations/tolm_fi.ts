<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Ohjeet

Kerää tolmkuchenit ja vie ne
kotiin. Jokaisesta yksi piste.

Peli päättyy, kun pelaajan ympärillä
ei ole enää yhtään vapaata ruutua.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Uusinta</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Tauko</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Menoksi</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Tolmkuchen napattu</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Postimerkki napattu</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Jäätelö napattu</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Taas kotona</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Peli ohi</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Molemmat jumissa</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>P1 jumissa</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>P2 jumissa</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pist:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Enn:</translation>
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
        <translation>[Ohjaus]
Pelaaja 1: nuolinäppäimet
Pelaaja 2: näppäimet A, D, W ja S

[Vinkit]
Aloita peli painamalla välilyöntiä tai Enteriä.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Versio %1

Vie tolmkuchenit kotiin, ennen kuin ne kuivahtavat.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Peli</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Uusi - 1 pelaaja</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Uusi - &amp;2 pelaajaa</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Uusi - tieto&amp;konetta vastaan</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Tauko</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Parhaat tulokset...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Uusi&amp;nnat...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>T&amp;ila...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Asetukset</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>Nollaa &amp;ennätys...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Vilkas peli</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Tietokone</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Helppo</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Keskitaso</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Vaikea</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>Vapaa &amp;koko</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>Koko &amp;100 %</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Koko 1&amp;50 %</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Koko &amp;200 %</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>Edellinen &amp;sijainti</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>Ää&amp;net</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Oletukset...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Lopeta</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Ohje</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Vinkit...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Tietoja...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Ennätys: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Tila</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Ennätys nollataan.

Oletko varma?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Oletusasetukset otetaan käyttöön.

Ennätystä ei nollata.

Oletko varma?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Ohjetiedosto avataan HTML-muodossa.

Oletko varma?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Vinkit</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Pelaaja 1 (nuolinäppäimet)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Pelaaja 2 (näppäimet A, D, W ja S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Tulos pääsi parhaiden pelien listalle.

Nimesi:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Tyhjennä...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Parhaiden tulosten listat tyhjennetään.

Oletko varma?</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>tiedostoa ei voi lukea tai se on yli 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Tätä peliä ei voi katsoa: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Uusinnat</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Yksinpeli</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Kaksinpeli</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Tietokonetta vastaan</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Helppo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Keskitaso</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Vaikea</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Ei vielä pelejä.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Katso</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; uusi</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Tiedostoa ei voitu avata: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Uusinnat</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Tallennettuja pelejä ei vielä ole.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Katso</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>Tallenna &amp;nimellä...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Avaa...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Tallenna nimellä</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Uusinnat (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Peliä ei voitu tallentaa nimellä %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Avaa</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Uusinnat (*.replay);;Kaikki tiedostot (*)</translation>
    </message>
</context>
</TS>
