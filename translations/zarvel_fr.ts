<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>ARButton</name>
    <message>
        <source>Roll</source>
        <extracomment>Drawn on the roll button beside a die: the verb, one short word.</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Pass
Dice</source>
        <extracomment>Drawn on the pass button beside two dice and an arrow: two short lines.</extracomment>
        <translation>Passer</translation>
    </message>
</context>
<context>
    <name>Backgrounds</name>
    <message>
        <source>(None)</source>
        <translation>(Aucun)</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Automne</translation>
    </message>
    <message>
        <source>Blonde Chick</source>
        <translation>Poussin blond</translation>
    </message>
    <message>
        <source>Blueprints</source>
        <translation>Plans</translation>
    </message>
    <message>
        <source>Baby Seal</source>
        <translation>Bébé phoque</translation>
    </message>
    <message>
        <source>Evergreen</source>
        <translation>Sapins</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Marine</translation>
    </message>
    <message>
        <source>Old Glory</source>
        <translation>Drapeau</translation>
    </message>
    <message>
        <source>Quacker</source>
        <translation>Coin-coin</translation>
    </message>
    <message>
        <source>Satin</source>
        <translation>Satin</translation>
    </message>
    <message>
        <source>Strawberries</source>
        <translation>Fraises</translation>
    </message>
    <message>
        <source>Jov Wumble</source>
        <translation>Jov Wumble</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Utilisation : %1 [option]</translation>
    </message>
    <message>
        <source>A dice game for one to eight players at one computer.</source>
        <translation>Un jeu de dés pour un à huit joueurs sur un même ordinateur.</translation>
    </message>
    <message>
        <source>show this help and quit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and quit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>open the window, print how long start-up took, and quit</source>
        <translation>ouvrir la fenêtre, afficher la durée du démarrage et quitter</translation>
    </message>
    <message>
        <source>Without an option the game opens its window.</source>
        <translation>Sans option, le jeu ouvre sa fenêtre.</translation>
    </message>
</context>
<context>
    <name>ComputerPlayers</name>
    <message>
        <source>NumDiceUp = %1<byte value="xd"/>
Error 529 - Bot Click - Please contact %2.</source>
        <translation>NumDiceUp = %1<byte value="xd"/>
Erreur 529 - Bot Click - Veuillez contacter %2.</translation>
    </message>
    <message>
        <source>Msg 519 -- Please contact %1 Tech Support.</source>
        <translation>Msg 519 -- Veuillez contacter l’assistance technique de %1.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is not a picture this game can show (BMP, JPEG, GIF or PNG)</source>
        <translation>ce n’est pas une image que ce jeu sait afficher (BMP, JPEG, GIF ou PNG)</translation>
    </message>
    <message>
        <source>it is damaged or not a complete picture</source>
        <translation>elle est endommagée ou incomplète</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 million)</source>
        <translation>l’image est trop grande (%1 x %2 pixels ; %3 millions au plus)</translation>
    </message>
    <message>
        <source>it took too long to load</source>
        <translation>son chargement a pris trop de temps</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Error %1:  Please contact %2.</source>
        <extracomment>%1 is an error number, %2 the maker&apos;s name.</extracomment>
        <translation>Erreur %1 :  veuillez contacter %2.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>The game records in %1 could not be read (%2). They were kept as %3, and new records were started.</source>
        <translation>L’historique des parties dans %1 n’a pas pu être lu (%2). Il a été conservé sous le nom %3, et un nouvel historique a été commencé.</translation>
    </message>
    <message>
        <source>The game records in %1 were written by a newer version of the game. They are left as they are, and games are not recorded until that version is used again.</source>
        <translation>L’historique des parties dans %1 a été écrit par une version plus récente du jeu. Il est laissé tel quel, et les parties ne sont pas enregistrées tant que cette version n’est pas de nouveau utilisée.</translation>
    </message>
    <message>
        <source>The game records cannot be written to %1 (%2). The game goes on, but games are not recorded.</source>
        <translation>L’historique des parties ne peut pas être écrit dans %1 (%2). Le jeu continue, mais les parties ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two names of a list</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>names of a list</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Reprendre la partie de %1 ?</translation>
    </message>
    <message>
        <source>Style %1</source>
        <translation>Style %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is not a text file</source>
        <translation>ce n’est pas un fichier texte</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>il est trop gros pour être un fichier de réglages</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the defaults are used.</source>
        <translation>Le fichier de réglages %1 n’a pas pu être lu (%2) ; les réglages par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a settings key.</source>
        <translation>« %1 » ne peut pas servir de clé de réglage.</translation>
    </message>
    <message>
        <source>The value of %1 cannot be stored: it holds a line break or a control character.</source>
        <translation>La valeur de %1 ne peut pas être enregistrée : elle contient un saut de ligne ou un caractère de contrôle.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the unreadable file there could not be kept aside first (%2).</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 : le fichier illisible qui s’y trouve n’a pas pu être mis de côté au préalable (%2).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>c’est un lien vers %1, qui n’existe pas</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not an ordinary file</source>
        <translation>c’est un lien vers %1, qui n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un dossier porte déjà ce nom</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: its folder could not be made.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 : son dossier n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: another copy of the game is saving its own.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 : une autre copie du jeu est en train d’enregistrer les siens.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file would grow past %2 KB, more than the game reads.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans %1 : le fichier dépasserait %2 Ko, plus que ce que le jeu sait lire.</translation>
    </message>
</context>
<context>
    <name>Skins</name>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Nuages</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Marbre</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Billiards</source>
        <translation>Billard</translation>
    </message>
    <message>
        <source>Patriot</source>
        <translation>Patriote</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Bulles</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Romain</translation>
    </message>
    <message>
        <source>Digi-1</source>
        <translation>Digi-1</translation>
    </message>
    <message>
        <source>Digi-2</source>
        <translation>Digi-2</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
</context>
<context>
    <name>SoundEvents</name>
    <message>
        <source>Zarvel</source>
        <translation>Zarvel</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de partie</translation>
    </message>
    <message>
        <source>Move Dice</source>
        <translation>Déplacer les dés</translation>
    </message>
    <message>
        <source>Pass Dice (w/ points)</source>
        <translation>Passer (avec points)</translation>
    </message>
    <message>
        <source>Pass Dice (w/o points)</source>
        <translation>Passer (sans points)</translation>
    </message>
    <message>
        <source>Roll Multiple Dice</source>
        <translation>Lancer plusieurs dés</translation>
    </message>
    <message>
        <source>Roll One Die</source>
        <translation>Lancer un dé</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulation</translation>
    </message>
</context>
<context>
    <name>Styles</name>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Cautious</source>
        <translation>Prudent</translation>
    </message>
    <message>
        <source>Fearless</source>
        <translation>Téméraire</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Génie</translation>
    </message>
    <message>
        <source>Moron</source>
        <translation>Crétin</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Expert</translation>
    </message>
</context>
<context>
    <name>TestMode</name>
    <message>
        <source>How Many Games (7 or 14) ???</source>
        <translation>Combien de parties (7 ou 14) ???</translation>
    </message>
    <message>
        <source>Normal&apos;s Position (0-6) ???</source>
        <translation>Place de Normal (0-6) ???</translation>
    </message>
    <message>
        <source>Play to 5000 or 10000 ???</source>
        <translation>Partie en 5000 ou 10000 ???</translation>
    </message>
    <message>
        <source>Amount needed to break in ???</source>
        <translation>Seuil d’ouverture ???</translation>
    </message>
    <message>
        <source>Game  %1 of %2</source>
        <translation>Partie  %1 sur %2</translation>
    </message>
    <message>
        <source>Test Run Complete.</source>
        <translation>Série de tests terminée.</translation>
    </message>
    <message>
        <source>Player		# Wins</source>
        <translation>Joueur		Victoires</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Fermeture...</translation>
    </message>
    <message>
        <source>Score Pad</source>
        <translation>Feuille de marque</translation>
    </message>
</context>
<context>
    <name>TextColours</name>
    <message>
        <source>Dark grey</source>
        <translation>Gris foncé</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Light cyan</source>
        <translation>Cyan clair</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>the file is not there</source>
        <translation>le fichier n’existe pas</translation>
    </message>
    <message>
        <source>you are not allowed to read it (no read permission)</source>
        <translation>vous n’avez pas le droit de le lire (pas de permission de lecture)</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>c’est un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>il ne peut pas être ouvert (%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>c’est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or a link to one)</source>
        <translation>ce n’est pas un fichier ordinaire (un périphérique, un tube ou un lien vers l’un d’eux)</translation>
    </message>
    <message>
        <source>the file is too large (%1; at most %2)</source>
        <translation>le fichier est trop gros (%1 ; %2 au plus)</translation>
    </message>
    <message>
        <source>the file is too large (at most %1)</source>
        <translation>le fichier est trop gros (%1 au plus)</translation>
    </message>
</context>
<context>
    <name>WaveFile</name>
    <message>
        <source>it is not a wave file</source>
        <translation>ce n’est pas un fichier wave</translation>
    </message>
    <message>
        <source>its format header is damaged</source>
        <translation>son en-tête de format est endommagé</translation>
    </message>
    <message>
        <source>it is compressed; only plain (PCM) wave files can be played</source>
        <translation>il est compressé ; seuls les fichiers wave simples (PCM) peuvent être joués</translation>
    </message>
    <message>
        <source>it has %1 channels; only mono and stereo can be played</source>
        <translation>il a %1 canaux ; seuls le mono et la stéréo peuvent être joués</translation>
    </message>
    <message>
        <source>it has %1-bit samples; only 8 and 16 bits can be played</source>
        <translation>ses échantillons font %1 bits ; seuls 8 et 16 bits peuvent être joués</translation>
    </message>
    <message>
        <source>its sample rate is %1 Hz; only %2 to %3 Hz can be played</source>
        <translation>sa fréquence d’échantillonnage est de %1 Hz ; seules les fréquences de %2 à %3 Hz peuvent être jouées</translation>
    </message>
    <message>
        <source>its format header contradicts itself</source>
        <translation>son en-tête de format se contredit</translation>
    </message>
    <message>
        <source>its sound comes before its format header</source>
        <translation>ses données sonores précèdent son en-tête de format</translation>
    </message>
    <message>
        <source>the file is shorter than its header says (damaged or cut off)</source>
        <translation>le fichier est plus court que ne l’indique son en-tête (endommagé ou tronqué)</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>il ne contient aucun son</translation>
    </message>
    <message>
        <source>it has no format header</source>
        <translation>il n’a pas d’en-tête de format</translation>
    </message>
</context>
<context>
    <name>zarvel::ColourSquare</name>
    <message>
        <source>chosen</source>
        <extracomment>Said by a screen reader of the text colour now chosen.</extracomment>
        <translation>choisie</translation>
    </message>
</context>
<context>
    <name>zarvel::ExpertTables</name>
    <message>
        <source>The Expert&apos;s play could not be worked out (%1). The Expert waits.</source>
        <translation>Le jeu de l’Expert n’a pas pu être calculé (%1). L’Expert attend.</translation>
    </message>
    <message>
        <source>Preparing the Expert</source>
        <translation>Préparation de l’Expert</translation>
    </message>
    <message>
        <source>Working out the Expert&apos;s play for games to %1 points that break in at %2. This is done once.</source>
        <translation>Calcul du jeu de l’Expert pour les parties en %1 points, ouverture à %2. Fait une seule fois.</translation>
    </message>
    <message>
        <source>Expert&apos;s play worked out</source>
        <translation>Jeu de l’Expert calculé</translation>
    </message>
</context>
<context>
    <name>zarvel::GameTray</name>
    <message>
        <source>Die %1: %2</source>
        <extracomment>A rolled die&apos;s place as a screen reader reads it: %1 is its place (1-6), %2 what it shows (&quot;four&quot;).</extracomment>
        <translation>Dé %1 : %2</translation>
    </message>
    <message>
        <source>Set aside %1: %2</source>
        <extracomment>A set-aside die&apos;s place as a screen reader reads it: %1 is its place (1-6), %2 what it shows.</extracomment>
        <translation>Dé mis de côté %1 : %2</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The board&apos;s name for a screen reader: the place where the game is played.</extracomment>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Rolled dice</source>
        <translation>Dés lancés</translation>
    </message>
    <message>
        <source>Dice set aside</source>
        <translation>Dés mis de côté</translation>
    </message>
    <message>
        <source>(Sample Dice)</source>
        <translation>(Aperçu des dés)</translation>
    </message>
    <message>
        <source>Status Messages</source>
        <translation>Messages d’état</translation>
    </message>
    <message>
        <source>(Last Roll)</source>
        <translation>(Dernier tour)</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Au tour de :</translation>
    </message>
    <message>
        <source>Score this Turn:</source>
        <translation>Points du tour :</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nouvelle partie (F2)</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>The roll button (a picture), as a screen reader names it: the verb.</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Pass Dice</source>
        <extracomment>The pass button (a picture): hand the dice to the next player and bank the turn.</extracomment>
        <translation>Passer les dés</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>marque</translation>
    </message>
    <message>
        <source>Rolling...</source>
        <translation>Les dés roulent...</translation>
    </message>
    <message>
        <source>Select Dice.</source>
        <translation>Prenez des dés.</translation>
    </message>
    <message>
        <source>Select Dice or Pass Dice.</source>
        <translation>Prenez des dés ou passez.</translation>
    </message>
    <message>
        <source>All dice score - You must roll.</source>
        <translation>Les six marquent - Relancez.</translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Lancez les dés.</translation>
    </message>
    <message>
        <source>Roll or pass the dice.</source>
        <translation>Lancez ou passez les dés.</translation>
    </message>
    <message>
        <source>Select dice or roll.</source>
        <translation>Prenez des dés ou lancez.</translation>
    </message>
    <message>
        <source>Roll, select, or pass the dice.</source>
        <translation>Lancez, prenez ou passez.</translation>
    </message>
    <message>
        <source>Pass The Dice.</source>
        <translation>Passez les dés.</translation>
    </message>
    <message>
        <source>ZARVEL !!!</source>
        <translation>ZARVEL !!!</translation>
    </message>
    <message>
        <source>Passing the dice.</source>
        <translation>On passe les dés.</translation>
    </message>
    <message>
        <source>ZARVEL - %1</source>
        <extracomment>%1 is &quot;Passing the dice.&quot; shown letter by letter.</extracomment>
        <translation>ZARVEL - %1</translation>
    </message>
    <message>
        <source>Press &quot;F2&quot; to start a game.</source>
        <translation>Appuyez sur « F2 » pour jouer.</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <extracomment>%1 is the name of the computer player whose turn it is.</extracomment>
        <translation>%1 joue.</translation>
    </message>
    <message numerus="yes">
        <source>%1 banked %n points.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 a encaissé %n point.</numerusform>
            <numerusform>%1 a encaissé %n points.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n in one turn to get on the board.</source>
        <extracomment>%n is the break-in amount: the points a player must make in one turn before the first banking.</extracomment>
        <translation>
            <numerusform>Ouverture : %n point en un tour.</numerusform>
            <numerusform>Ouverture : %n points en un tour.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Undo)</source>
        <extracomment>%1 is a status line; the mark says the last action was taken back.</extracomment>
        <translation>%1 (annulé)</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a die box shows, read by a screen reader after &quot;Die 3:&quot;.</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
</context>
<context>
    <name>zarvel::Hint</name>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>one die</comment>
        <extracomment>One die to set aside; %1 is the face it shows, a digit.</extracomment>
        <translation>le %1</translation>
    </message>
    <message>
        <source>the %1 %2s</source>
        <comment>how many dice, their face</comment>
        <extracomment>Dice of one face to set aside: %1 is how many, a word (&quot;three&quot;); %2 the face, a digit (&quot;the three 4s&quot;).</extracomment>
        <translation>les %1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list going on</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the end of a list</comment>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>the straight</source>
        <translation>la suite</translation>
    </message>
    <message>
        <source>the three pairs</source>
        <translation>les trois paires</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Conseil</translation>
    </message>
    <message>
        <source>Working out the best play...</source>
        <translation>Calcul du meilleur coup...</translation>
    </message>
    <message>
        <source>No hint for this position.</source>
        <translation>Aucun conseil pour cette position.</translation>
    </message>
    <message>
        <source>scores; the hint sets it aside</source>
        <translation>marque ; le conseil le garde</translation>
    </message>
    <message>
        <source>over 99 %</source>
        <translation>plus de 99 %</translation>
    </message>
    <message>
        <source>under 1 %</source>
        <translation>moins de 1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a chance in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Set aside %1 and roll all six again</source>
        <translation>Gardez %1 et relancez les six dés</translation>
    </message>
    <message>
        <source>Set aside %1 and pass</source>
        <translation>Gardez %1 et passez</translation>
    </message>
    <message>
        <source>Set aside %1 and roll on</source>
        <translation>Gardez %1 et relancez</translation>
    </message>
    <message>
        <source>Roll on</source>
        <translation>Relancez</translation>
    </message>
    <message>
        <source>Roll all six again</source>
        <translation>Relancez les six dés</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Lancez les dés</translation>
    </message>
    <message>
        <source>Pass the dice</source>
        <translation>Passez les dés</translation>
    </message>
    <message>
        <source>%1 — %2 to win.</source>
        <translation>%1 — %2 de chances de gagner.</translation>
    </message>
    <message>
        <source>%1 — %2 to beat the best score so far.</source>
        <translation>%1 — %2 de chances de battre le meilleur score.</translation>
    </message>
    <message>
        <source>%1 — about %2 against the runner-up alone.</source>
        <translation>%1 — environ %2 face au seul deuxième.</translation>
    </message>
    <message>
        <source>%1 — about %2 against the leader alone.</source>
        <translation>%1 — environ %2 face au seul meneur.</translation>
    </message>
</context>
<context>
    <name>zarvel::OptionsTray</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Sound FX:</source>
        <translation>Sons :</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound effects switched on.</extracomment>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound effects switched off.</extracomment>
        <translation>Non</translation>
    </message>
    <message>
        <source>Customize Sounds</source>
        <translation>Personnaliser les sons</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>The heading over how fast the computer players play.</extracomment>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse :</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>How fast the computer players play.</extracomment>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Ridiculous</source>
        <translation>Folle</translation>
    </message>
    <message>
        <source>Misc.</source>
        <extracomment>Short for &quot;miscellaneous&quot;: the heading over the other options.</extracomment>
        <translation>Divers</translation>
    </message>
    <message>
        <source>Misc:</source>
        <translation>Divers :</translation>
    </message>
    <message>
        <source>Sort Dice</source>
        <translation>Trier les dés</translation>
    </message>
    <message>
        <source>Mark Points</source>
        <extracomment>Marks the dice that score with a small dot.</extracomment>
        <translation>Marqueurs</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Original Settings Restored.</source>
        <translation>Réglages d’origine rétablis.</translation>
    </message>
</context>
<context>
    <name>zarvel::RecordKeeper</name>
    <message>
        <source>The game of %1 was saved by a newer version of the game, which can continue it. It is left as it is.</source>
        <translation>La partie de %1 a été sauvegardée par une version plus récente du jeu, qui peut la reprendre. Elle est laissée telle quelle.</translation>
    </message>
    <message>
        <source>The saved game cannot be continued: it is damaged (%1).</source>
        <translation>La partie sauvegardée ne peut pas être reprise : elle est endommagée (%1).</translation>
    </message>
</context>
<context>
    <name>zarvel::ThemeTray</name>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Teinte du texte</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Valider</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>L’image %1 ne peut pas être affichée : %2.</translation>
    </message>
</context>
<context>
    <name>zarvel::WindowZoom</name>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;ffichage</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>A&amp;juster à l’écran</translation>
    </message>
</context>
<context>
    <name>zarvel::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s caption; %1 is the game&apos;s name.</extracomment>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Roll several dice</source>
        <translation>Lancer plusieurs dés</translation>
    </message>
    <message>
        <source>Roll one die</source>
        <translation>Lancer un dé</translation>
    </message>
    <message>
        <source>by %1</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>par %1</translation>
    </message>
    <message>
        <source>A dice game for one to eight players.</source>
        <translation>Un jeu de dés pour un à huit joueurs.</translation>
    </message>
    <message>
        <source>Freeware: pass it on to your friends, whole and unchanged.</source>
        <translation>Gratuit : offrez-le à vos amis, entier et inchangé.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Liens</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>courriel</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Site web %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>%1 is the maker&apos;s mail address.</extracomment>
        <translation>Écrire à %1</translation>
    </message>
    <message>
        <source>This game comes as it is, without warranty. Please read the License Agreement before you share it.</source>
        <translation>Ce jeu est fourni tel quel, sans garantie. Lisez le contrat de licence avant de le partager.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation>Infos &amp;système</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrat de licence</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Infos système</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment.</translation>
    </message>
    <message>
        <source>Knock knock.</source>
        <translation>Toc toc.</translation>
    </message>
    <message>
        <source>Who&apos;s there?</source>
        <translation>Qui est là ?</translation>
    </message>
    <message>
        <source>Zarvel.</source>
        <translation>Zarvel.</translation>
    </message>
    <message>
        <source>Zarvel who?</source>
        <translation>Zarvel qui ?</translation>
    </message>
    <message>
        <source>Zarvel! Not one die scored. Pass the dice, please.</source>
        <translation>Zarvel ! Pas un seul dé ne marque. Passez les dés, s’il vous plaît.</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCongrats</name>
    <message>
        <source>Congratulations !!!</source>
        <translation>Félicitations !!!</translation>
    </message>
    <message>
        <source>Zarvel Champion</source>
        <translation>Champion de Zarvel</translation>
    </message>
    <message>
        <source>Engraving...</source>
        <extracomment>Shown a moment before the winner&apos;s name appears, as if engraved on a trophy.</extracomment>
        <translation>Gravure...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCredits</name>
    <message>
        <source>a %1 game</source>
        <extracomment>Under the game&apos;s name in the credits; %1 is the maker&apos;s name.</extracomment>
        <translation>un jeu %1</translation>
    </message>
    <message>
        <source>Game Design</source>
        <translation>Conception</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmation</translation>
    </message>
    <message>
        <source>Dice and Pictures</source>
        <translation>Dés et images</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Recorded on the kitchen table
by %1</source>
        <extracomment>Two short lines in the narrow credits; %1 is a person&apos;s name.</extracomment>
        <translation>Enregistrés dans la cuisine
par %1</translation>
    </message>
    <message>
        <source>Computer Players</source>
        <translation>Joueurs ordinateur</translation>
    </message>
    <message>
        <source>Normal, Cautious, Fearless,
Simple, Random, Genius
and Moron, who tries his best</source>
        <extracomment>Short lines in the narrow credits: the computer styles&apos; names as the game shows them, and Moron, a joke.</extracomment>
        <translation>Normal, Prudent, Téméraire,
Simple, Aléatoire, Génie
et Crétin, qui fait de son mieux</translation>
    </message>
    <message>
        <source>Play Testing</source>
        <translation>Tests de jeu</translation>
    </message>
    <message>
        <source>The Tuesday Night Dice Club</source>
        <translation>Le club de dés du mardi soir</translation>
    </message>
    <message>
        <source>Special Thanks
to everyone who ever lost
a good turn to a Zarvel</source>
        <extracomment>Short lines in the narrow credits.</extracomment>
        <translation>Merci tout spécialement
à tous ceux qui ont perdu
un beau tour sur un Zarvel</translation>
    </message>
    <message>
        <source>Thanks for playing!</source>
        <translation>Merci d’avoir joué !</translation>
    </message>
    <message>
        <source>You two again!

%1 and %2,
this game was tried out
at your kitchen table
over many long evenings.

Every Zarvel you rolled
made it a better game.

Thank you, and may your
dice always come up fives.</source>
        <extracomment>Short lines in the narrow credits, for two play testers; %1 and %2 are their names.</extracomment>
        <translation>Encore vous deux !

%1 et %2,
ce jeu a été mis à l’épreuve
sur la table de votre cuisine
au fil de longues soirées.

Chacun de vos Zarvel
l’a rendu meilleur.

Merci, et que vos dés
tombent toujours sur cinq.</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>The credits&apos; caption; %1 is the game&apos;s name.</extracomment>
        <translation>Crédits de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Just for You Two</source>
        <translation>Pour vous deux</translation>
    </message>
    <message>
        <source>Credits &amp; Stuff</source>
        <translation>Crédits et compagnie</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Crédits</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>Erreur de défilement du texte</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCustomizeSounds</name>
    <message>
        <source>Customize Sounds</source>
        <translation>Personnaliser les sons</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Événement :</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Son :</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Tester</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>[Hit Backspace to restore default sounds]</source>
        <translation>[Retour arrière pour rétablir les sons d’origine]</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>Select &quot;%1&quot; sound</source>
        <extracomment>The file chooser&apos;s caption; %1 is a sound event (&quot;Roll One Die&quot;).</extracomment>
        <translation>Choisir le son « %1 »</translation>
    </message>
    <message>
        <source>The sound %1 will not be heard: %2.</source>
        <extracomment>%1 is a file name, %2 why it cannot be played.</extracomment>
        <translation>Le son %1 ne sera pas joué : %2.</translation>
    </message>
    <message>
        <source>Original Sounds Restored.</source>
        <translation>Sons d’origine rétablis.</translation>
    </message>
</context>
<context>
    <name>zarvel::frmHelp</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s caption until a page names itself; %1 is the game&apos;s name.</extracomment>
        <translation>Aide de %1</translation>
    </message>
</context>
<context>
    <name>zarvel::frmMain</name>
    <message>
        <source>%1

Your choice holds until you close the game; the settings saved earlier are unchanged.</source>
        <extracomment>%1 says why the settings file could not be written.</extracomment>
        <translation>%1

Votre choix vaut jusqu’à la fermeture du jeu ; les réglages enregistrés auparavant restent inchangés.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;New Game   (F2)</source>
        <translation>&amp;Nouvelle partie   (F2)</translation>
    </message>
    <message>
        <source>&amp;Theme...</source>
        <translation>&amp;Thème...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistiques...</translation>
    </message>
    <message>
        <source>Score &amp;Pad</source>
        <translation>Feuille de &amp;marque</translation>
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
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>À &amp;propos de %1...</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Quitter ?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the current game?</source>
        <translation>Voulez-vous vraiment quitter la partie en cours ?</translation>
    </message>
    <message numerus="yes">
        <source>%1 has gone out.  Everybody else gets one more roll to try and beat %n points.</source>
        <extracomment>%1 is the player&apos;s name, %n their final score.</extracomment>
        <translation>
            <numerusform>%1 termine avec %n point.  Tous les autres ont droit à un dernier tour pour tenter de battre ce score.</numerusform>
            <numerusform>%1 termine avec %n points.  Tous les autres ont droit à un dernier tour pour tenter de battre ce score.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvel::frmNewGame</name>
    <message>
        <source>Start New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column heading over the players&apos; names.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Computer Player?</source>
        <extracomment>Column heading over the boxes that make a seat a computer player.</extracomment>
        <translation>Ordinateur ?</translation>
    </message>
    <message>
        <source>Computer Style</source>
        <extracomment>Column heading over the lists of how each computer player plays.</extracomment>
        <translation>Style de jeu</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>Computer Player %1</source>
        <extracomment>%1 is the seat&apos;s number.</extracomment>
        <translation>Joueur %1 tenu par l’ordinateur</translation>
    </message>
    <message>
        <source>Style of player %1</source>
        <translation>Style du joueur %1</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Nombre de joueurs :</translation>
    </message>
    <message>
        <source>Play to:</source>
        <extracomment>Over the choice of the target score that ends the game.</extracomment>
        <translation>Objectif :</translation>
    </message>
    <message>
        <source>&quot;Break In&quot; Score:</source>
        <extracomment>Over the choice of the points a player must make in one turn before the first banking.</extracomment>
        <translation>Ouverture :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Test Mode</source>
        <translation>Mode test</translation>
    </message>
    <message>
        <source>Enter Test Mode ?</source>
        <translation>Passer en mode test ?</translation>
    </message>
    <message>
        <source>One</source>
        <extracomment>How many players play: the choices under &quot;Number of Players:&quot;.</extracomment>
        <translation>Un</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
</context>
<context>
    <name>zarvel::frmScorePad</name>
    <message>
        <source>Score Pad</source>
        <translation>Feuille de marque</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading over the players&apos; names.</extracomment>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column heading over the players&apos; scores.</extracomment>
        <translation>Score</translation>
    </message>
    <message>
        <source>(Playing to %1)</source>
        <extracomment>%1 is the target score that ends the game.</extracomment>
        <translation>(Partie en %1)</translation>
    </message>
    <message>
        <source>(%1 to break in)</source>
        <extracomment>%1 is the points a player must make in one turn before the first banking.</extracomment>
        <translation>(Ouverture à %1)</translation>
    </message>
    <message>
        <source>Game %1 of %2</source>
        <translation>Partie %1 sur %2</translation>
    </message>
</context>
<context>
    <name>zarvel::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Objectif :</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Win %</source>
        <translation>% victoires</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Score moyen</translation>
    </message>
    <message>
        <source>Best turn</source>
        <translation>Meilleur tour</translation>
    </message>
    <message>
        <source>Points per turn</source>
        <translation>Points par tour</translation>
    </message>
    <message>
        <source>Zarvel %</source>
        <translation>% Zarvel</translation>
    </message>
    <message>
        <source>Share of turns that ended in a Zarvel</source>
        <translation>Part des tours terminés sur un Zarvel</translation>
    </message>
    <message>
        <source>Most points banked in one turn</source>
        <translation>Le plus de points encaissés en un tour</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Joueurs</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>&amp;Computer styles</source>
        <translation>&amp;Styles de l’ordinateur</translation>
    </message>
    <message>
        <source>Computer styles</source>
        <translation>Styles de l’ordinateur</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Remettre à zéro...</translation>
    </message>
    <message>
        <source>&amp;Export to CSV...</source>
        <translation>&amp;Exporter en CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Sort &amp;Ascending</source>
        <translation>Tri &amp;croissant</translation>
    </message>
    <message>
        <source>Sort &amp;Descending</source>
        <translation>Tri &amp;décroissant</translation>
    </message>
    <message>
        <source>All targets</source>
        <translation>Tous les objectifs</translation>
    </message>
    <message>
        <source>No statistics: the game records could not be opened.</source>
        <translation>Pas de statistiques : l’historique des parties n’a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>No games recorded yet.</source>
        <translation>Aucune partie enregistrée pour l’instant.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a computer seat&apos;s name and style</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Delete every recorded game, not only those played to %1? The statistics and high scores of all targets start again from nothing.</source>
        <translation>Effacer toutes les parties enregistrées, et pas seulement les parties en %1 ? Les statistiques et les meilleurs scores de tous les objectifs repartent de zéro.</translation>
    </message>
    <message>
        <source>Delete every recorded game? The statistics and high scores start again from nothing.</source>
        <translation>Effacer toutes les parties enregistrées ? Les statistiques et les meilleurs scores repartent de zéro.</translation>
    </message>
    <message>
        <source>The recorded games could not be deleted.</source>
        <translation>Les parties enregistrées n’ont pas pu être effacées.</translation>
    </message>
    <message>
        <source>The statistics could not be exported to %1: %2</source>
        <translation>Les statistiques n’ont pas pu être exportées vers %1 : %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exporté vers %1.</translation>
    </message>
</context>
</TS>
