<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Instructions

Rapportez les tolmkuchens
à la maison. Un point pour chacun.

La partie est finie quand le joueur
n’a plus aucune case libre autour.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Replay</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Partie lancée</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Tolmkuchen ramassé</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Timbre ramassé</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Glace ramassée</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Retour à la maison</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Les deux coincés</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>J1 coincé</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>J2 coincé</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Pt:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Rec:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>J1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>J2:</translation>
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
        <translation>[Commandes]
Joueur 1&#xa0;: touches fléchées
Joueur 2&#xa0;: touches A, D, W et S

[Conseils]
Pour lancer la partie, appuyez sur Espace ou Entrée.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Version %1

Rapportez les tolmkuchens à la maison avant qu’ils ne soient rassis.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Nouvelle partie - 1 joueur</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Nouvelle partie - 2 &amp;joueurs</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Records...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>É&amp;tat...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>&amp;Effacer le record...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>Partie &amp;animée</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Redimensionnable</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Taille 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Ta&amp;ille 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Tai&amp;lle 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Dernière position</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Valeurs par défaut...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Conseils...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Record&#xa0;: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Le record va être effacé.

Vous confirmez&#xa0;?</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Retour aux valeurs par défaut.

Le record ne sera pas effacé.

Vous confirmez&#xa0;?</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Ouverture d’un fichier d’aide au format HTML.

Vous confirmez&#xa0;?</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Conseils</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Joueur 1 (touches fléchées)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Joueur 2 (touches A, D, W et S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Un score pour le tableau des meilleures parties.

Votre nom&#xa0;:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Effacer...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Les tableaux des records vont être effacés.

Vous confirmez&#xa0;?</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Aucune partie pour l’instant.</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; nouveau</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Impossible d’ouvrir le fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Nouvelle partie - &amp;contre l’ordinateur</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Ordinateur</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>Re&amp;diffusions...</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Rediffusions</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Regarder</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Impossible de regarder cette partie : %1</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>le fichier est illisible ou dépasse 1 Mio</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Rediffusions</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Aucune partie gardée pour l’instant.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Regarder</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>En&amp;registrer sous...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Rediffusions (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Impossible d’enregistrer la partie sous %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Rediffusions (*.replay);;Tous les fichiers (*)</translation>
    </message>
</context>
</TS>
