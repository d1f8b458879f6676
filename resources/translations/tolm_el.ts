<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>TGameBox</name>
    <message>
        <source>Tolm Game - Instructions

Get tolmkuchens and bring them
back home. One point per one.

It is game over when there is no
way to go around the player.</source>
        <extracomment>Seven lines, the second and fifth empty, each at most 320 pixels wide in the game&apos;s bold 17-pixel Arial (some 34 characters).</extracomment>
        <translation>Tolm Game - Οδηγίες

Μάζεψε τολμκούχεν και φέρε τα
στο σπίτι. Ένας πόντος το καθένα.

Το παιχνίδι τελειώνει όταν γύρω από
τον παίκτη δεν μένει πια δρόμος.</translation>
    </message>
    <message>
        <source>Replay</source>
        <extracomment>The status line&apos;s left part while a recorded game is watched, before its time (such as 1:05); about as short as &quot;Paused&quot;.</extracomment>
        <translation>Επανάληψη</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Παύση</translation>
    </message>
</context>
<context>
    <name>TGameField</name>
    <message>
        <source>Started</source>
        <extracomment>The status line&apos;s messages and labels. The longest message and the scores with three digits each share its 336 pixels in bold 17-pixel Arial: keep the messages under some 180 pixels (about 20 characters), the labels to 2-4 characters.</extracomment>
        <translation>Ξεκινάμε!</translation>
    </message>
    <message>
        <source>Got a Tolmkuchen</source>
        <translation>Ένα τολμκούχεν!</translation>
    </message>
    <message>
        <source>Got a Stamp</source>
        <translation>Ένα γραμματόσημο!</translation>
    </message>
    <message>
        <source>Got a Gelato</source>
        <translation>Ένα παγωτό!</translation>
    </message>
    <message>
        <source>Back Home</source>
        <translation>Πίσω στο σπίτι</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Τέλος παιχνιδιού</translation>
    </message>
    <message>
        <source>Both are Stuck</source>
        <translation>Κόλλησαν και οι δύο</translation>
    </message>
    <message>
        <source>P1 is Stuck</source>
        <translation>Ο Π1 κόλλησε</translation>
    </message>
    <message>
        <source>P2 is Stuck</source>
        <translation>Ο Π2 κόλλησε</translation>
    </message>
    <message>
        <source>Sc:</source>
        <translation>Πόν:</translation>
    </message>
    <message>
        <source>Hi:</source>
        <translation>Ρεκ:</translation>
    </message>
    <message>
        <source>P1:</source>
        <translation>Π1:</translation>
    </message>
    <message>
        <source>P2:</source>
        <translation>Π2:</translation>
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
        <translation>[Χειρισμός]
Παίκτης 1: βελάκια
Παίκτης 2: πλήκτρα A, D, W και S

[Συμβουλές]
Για να ξεκινήσει το παιχνίδι, πάτα Διάστημα ή Enter.</translation>
    </message>
    <message>
        <source>Tolm Game
Version %1

Bring the cakes home before they go stale.</source>
        <translation>Tolm Game
Έκδοση %1

Φέρε τα τολμκούχεν στο σπίτι πριν μπαγιατέψουν.</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <extracomment>&amp; marks the access key: one in each caption, none twice in one menu.</extracomment>
        <translation>&amp;Παιχνίδι</translation>
    </message>
    <message>
        <source>&amp;New - 1 Player</source>
        <translation>&amp;Νέο - 1 παίκτης</translation>
    </message>
    <message>
        <source>Ne&amp;w - 2 Players</source>
        <translation>Νέο - 2 παίκ&amp;τες</translation>
    </message>
    <message>
        <source>New - Against the &amp;Computer</source>
        <translation>Νέο - Εναντίον &amp;υπολογιστή</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Παύση</translation>
    </message>
    <message>
        <source>&amp;High Scores...</source>
        <translation>&amp;Ρεκόρ...</translation>
    </message>
    <message>
        <source>&amp;Replays...</source>
        <translation>&amp;Επαναλήψεις...</translation>
    </message>
    <message>
        <source>&amp;Status...</source>
        <translation>&amp;Κατάσταση...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>Ρυθ&amp;μίσεις</translation>
    </message>
    <message>
        <source>&amp;Clear High-Score...</source>
        <translation>Μη&amp;δενισμός ρεκόρ...</translation>
    </message>
    <message>
        <source>&amp;Busy Game</source>
        <translation>&amp;Ζωηρό παιχνίδι</translation>
    </message>
    <message>
        <source>Co&amp;mputer</source>
        <translation>&amp;Υπολογιστής</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Εύκολο</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Μέτριο</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Δύσκολο</translation>
    </message>
    <message>
        <source>&amp;Sizable</source>
        <translation>&amp;Ελεύθερο μέγεθος</translation>
    </message>
    <message>
        <source>&amp;Resize to 100%</source>
        <translation>&amp;Μέγεθος 100%</translation>
    </message>
    <message>
        <source>R&amp;esize to 150%</source>
        <translation>Μέ&amp;γεθος 150%</translation>
    </message>
    <message>
        <source>Resi&amp;ze to 200%</source>
        <translation>Μέγε&amp;θος 200%</translation>
    </message>
    <message>
        <source>&amp;Last Position</source>
        <translation>&amp;Τελευταία θέση</translation>
    </message>
    <message>
        <source>S&amp;ound</source>
        <translation>Ή&amp;χος</translation>
    </message>
    <message>
        <source>De&amp;fault...</source>
        <translation>&amp;Προεπιλογές...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Έ&amp;ξοδος</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Βοήθεια</translation>
    </message>
    <message>
        <source>&amp;Tips...</source>
        <translation>&amp;Συμβουλές...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Σ&amp;χετικά...</translation>
    </message>
    <message>
        <source>High-Score: %1</source>
        <translation>Ρεκόρ: %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Κατάσταση</translation>
    </message>
    <message>
        <source>Clearing high-score.

Sure?</source>
        <translation>Μηδενισμός του ρεκόρ.

Σίγουρα;</translation>
    </message>
    <message>
        <source>Applying default settings.

High-score will not be cleared.

Sure?</source>
        <translation>Επαναφορά των προεπιλεγμένων ρυθμίσεων.

Το ρεκόρ δεν θα μηδενιστεί.

Σίγουρα;</translation>
    </message>
    <message>
        <source>Opening a help file in HTML format.

Sure?</source>
        <translation>Άνοιγμα αρχείου βοήθειας σε μορφή HTML.

Σίγουρα;</translation>
    </message>
    <message>
        <source>Tips</source>
        <translation>Συμβουλές</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Σχετικά</translation>
    </message>
    <message>
        <source>Player 1 (arrow keys)</source>
        <translation>Παίκτης 1 (βελάκια)</translation>
    </message>
    <message>
        <source>Player 2 (A, D, W and S keys)</source>
        <translation>Παίκτης 2 (πλήκτρα A, D, W και S)</translation>
    </message>
    <message>
        <source>A score for the table of the best games.

Your name:</source>
        <translation>Η βαθμολογία μπαίνει στον πίνακα με τα καλύτερα παιχνίδια.

Το όνομά σου:</translation>
    </message>
    <message>
        <source>Clear...</source>
        <translation>Διαγραφή...</translation>
    </message>
    <message>
        <source>Clearing the high-score tables.

Sure?</source>
        <translation>Διαγραφή των πινάκων με τα ρεκόρ.

Σίγουρα;</translation>
    </message>
    <message>
        <source>the file cannot be read, or is over 1 MiB</source>
        <translation>το αρχείο δεν διαβάζεται ή είναι μεγαλύτερο από 1 MiB</translation>
    </message>
    <message>
        <source>This game cannot be watched: %1</source>
        <translation>Αυτό το παιχνίδι δεν μπορεί να προβληθεί: %1</translation>
    </message>
    <message>
        <source>Replays</source>
        <translation>Επαναλήψεις</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Ένας παίκτης</translation>
    </message>
    <message>
        <source>Two players</source>
        <translation>Δύο παίκτες</translation>
    </message>
    <message>
        <source>Against the computer</source>
        <translation>Εναντίον υπολογιστή</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Εύκολο</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Μέτριο</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Δύσκολο</translation>
    </message>
    <message>
        <source>No games yet.</source>
        <translation>Κανένα παιχνίδι ακόμη.</translation>
    </message>
    <message>
        <source>Watch</source>
        <translation>Προβολή</translation>
    </message>
    <message>
        <source>&lt; new</source>
        <translation>&lt; νέο</translation>
    </message>
    <message>
        <source>Failed to open the file: %1</source>
        <translation>Δεν ήταν δυνατό να ανοίξει το αρχείο: %1</translation>
    </message>
</context>
<context>
    <name>TGameReplaysBox</name>
    <message>
        <source>Replays</source>
        <translation>Επαναλήψεις</translation>
    </message>
    <message>
        <source>No games kept yet.</source>
        <translation>Δεν έχουν φυλαχτεί ακόμη παιχνίδια.</translation>
    </message>
    <message>
        <source>&amp;Watch</source>
        <translation>&amp;Προβολή</translation>
    </message>
    <message>
        <source>&amp;Save As...</source>
        <translation>&amp;Αποθήκευση ως...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ά&amp;νοιγμα...</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Αποθήκευση ως</translation>
    </message>
    <message>
        <source>Replays (*.replay)</source>
        <translation>Επαναλήψεις (*.replay)</translation>
    </message>
    <message>
        <source>The game could not be saved as %1.</source>
        <translation>Δεν ήταν δυνατό να αποθηκευτεί το παιχνίδι ως %1.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Άνοιγμα</translation>
    </message>
    <message>
        <source>Replays (*.replay);;All files (*)</source>
        <translation>Επαναλήψεις (*.replay);;Όλα τα αρχεία (*)</translation>
    </message>
</context>
</TS>
