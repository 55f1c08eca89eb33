<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ARButton</name>
    <message>
        <source>Roll</source>
        <extracomment>Drawn on the roll button beside a die: the verb, one short word.</extracomment>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Pass
Dice</source>
        <extracomment>Drawn on the pass button beside two dice and an arrow: two short lines.</extracomment>
        <translation>Ab-
geben</translation>
    </message>
</context>
<context>
    <name>Backgrounds</name>
    <message>
        <source>(None)</source>
        <translation>(Keiner)</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <source>Blonde Chick</source>
        <translation>Blondchen</translation>
    </message>
    <message>
        <source>Blueprints</source>
        <translation>Blaupausen</translation>
    </message>
    <message>
        <source>Baby Seal</source>
        <translation>Robbenbaby</translation>
    </message>
    <message>
        <source>Evergreen</source>
        <translation>Immergrün</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Maritim</translation>
    </message>
    <message>
        <source>Old Glory</source>
        <translation>US-Flagge</translation>
    </message>
    <message>
        <source>Quacker</source>
        <translation>Quakente</translation>
    </message>
    <message>
        <source>Satin</source>
        <translation>Satin</translation>
    </message>
    <message>
        <source>Strawberries</source>
        <translation>Erdbeeren</translation>
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
        <translation>Aufruf: %1 [Option]</translation>
    </message>
    <message>
        <source>A dice game for one to eight players at one computer.</source>
        <translation>Ein Würfelspiel für einen bis acht Spieler an einem Computer.</translation>
    </message>
    <message>
        <source>show this help and quit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and quit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>open the window, print how long start-up took, and quit</source>
        <translation>das Fenster öffnen, die Startzeit ausgeben und beenden</translation>
    </message>
    <message>
        <source>Without an option the game opens its window.</source>
        <translation>Ohne Option öffnet das Spiel sein Fenster.</translation>
    </message>
</context>
<context>
    <name>ComputerPlayers</name>
    <message>
        <source>NumDiceUp = %1<byte value="xd"/>
Error 529 - Bot Click - Please contact %2.</source>
        <translation>NumDiceUp = %1<byte value="xd"/>
Fehler 529 - Bot Click - Bitte wenden Sie sich an %2.</translation>
    </message>
    <message>
        <source>Msg 519 -- Please contact %1 Tech Support.</source>
        <translation>Meldung 519 -- Bitte wenden Sie sich an den technischen Support von %1.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is not a picture this game can show (BMP, JPEG, GIF or PNG)</source>
        <translation>kein Bild, das dieses Spiel anzeigen kann (BMP, JPEG, GIF oder PNG)</translation>
    </message>
    <message>
        <source>it is damaged or not a complete picture</source>
        <translation>beschädigt oder kein vollständiges Bild</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 million)</source>
        <translation>Bild zu groß (%1 x %2 Pixel; höchstens %3 Millionen)</translation>
    </message>
    <message>
        <source>it took too long to load</source>
        <translation>Laden dauerte zu lange</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Error %1:  Please contact %2.</source>
        <extracomment>%1 is an error number, %2 the maker&apos;s name.</extracomment>
        <translation>Fehler %1:  Bitte wenden Sie sich an %2.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>The game records in %1 could not be read (%2). They were kept as %3, and new records were started.</source>
        <translation>Die Spielaufzeichnungen in %1 konnten nicht gelesen werden (%2). Sie wurden als %3 aufbewahrt, und neue Aufzeichnungen wurden begonnen.</translation>
    </message>
    <message>
        <source>The game records in %1 were written by a newer version of the game. They are left as they are, and games are not recorded until that version is used again.</source>
        <translation>Die Spielaufzeichnungen in %1 stammen von einer neueren Version des Spiels. Sie bleiben unverändert, und Spiele werden erst wieder aufgezeichnet, wenn diese Version wieder verwendet wird.</translation>
    </message>
    <message>
        <source>The game records cannot be written to %1 (%2). The game goes on, but games are not recorded.</source>
        <translation>Die Spielaufzeichnungen können nicht in %1 geschrieben werden (%2). Das Spiel geht weiter, aber Spiele werden nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two names of a list</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>names of a list</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>Das Spiel von %1 fortsetzen?</translation>
    </message>
    <message>
        <source>Style %1</source>
        <translation>Stil %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is not a text file</source>
        <translation>keine Textdatei</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the defaults are used.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht gelesen werden (%2); es gelten die Standardwerte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a settings key.</source>
        <translation>„%1“ kann nicht als Einstellungsschlüssel verwendet werden.</translation>
    </message>
    <message>
        <source>The value of %1 cannot be stored: it holds a line break or a control character.</source>
        <translation>Der Wert von %1 kann nicht gespeichert werden: Er enthält einen Zeilenumbruch oder ein Steuerzeichen.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the unreadable file there could not be kept aside first (%2).</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: Die unlesbare Datei dort konnte nicht vorher beiseitegelegt werden (%2).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>eine Verknüpfung auf %1, das nicht existiert</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not an ordinary file</source>
        <translation>eine Verknüpfung auf %1, das keine gewöhnliche Datei ist</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein gleichnamiger Ordner ist im Weg</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: its folder could not be made.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: Der Ordner dafür konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: another copy of the game is saving its own.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: Eine andere Kopie des Spiels speichert gerade ihre eigenen.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file would grow past %2 KB, more than the game reads.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: Die Datei würde größer als %2 KB, mehr als das Spiel einliest.</translation>
    </message>
</context>
<context>
    <name>Skins</name>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Wolken</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Murmeln</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>Billiards</source>
        <translation>Billard</translation>
    </message>
    <message>
        <source>Patriot</source>
        <translation>Patriot</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Blasen</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Römisch</translation>
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
        <translation>Rot</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
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
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Move Dice</source>
        <translation>Würfel bewegen</translation>
    </message>
    <message>
        <source>Pass Dice (w/ points)</source>
        <translation>Abgeben (mit Punkten)</translation>
    </message>
    <message>
        <source>Pass Dice (w/o points)</source>
        <translation>Abgeben (ohne Punkte)</translation>
    </message>
    <message>
        <source>Roll Multiple Dice</source>
        <translation>Mehrere Würfel werfen</translation>
    </message>
    <message>
        <source>Roll One Die</source>
        <translation>Einen Würfel werfen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
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
        <translation>Vorsichtig</translation>
    </message>
    <message>
        <source>Fearless</source>
        <translation>Furchtlos</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genie</translation>
    </message>
    <message>
        <source>Moron</source>
        <translation>Trottel</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experte</translation>
    </message>
</context>
<context>
    <name>TestMode</name>
    <message>
        <source>How Many Games (7 or 14) ???</source>
        <translation>Wie viele Spiele (7 oder 14) ???</translation>
    </message>
    <message>
        <source>Normal&apos;s Position (0-6) ???</source>
        <translation>Platz von Normal (0-6) ???</translation>
    </message>
    <message>
        <source>Play to 5000 or 10000 ???</source>
        <translation>Bis 5000 oder 10000 spielen ???</translation>
    </message>
    <message>
        <source>Amount needed to break in ???</source>
        <translation>Punkte für den Einstieg ???</translation>
    </message>
    <message>
        <source>Game  %1 of %2</source>
        <translation>Spiel  %1 von %2</translation>
    </message>
    <message>
        <source>Test Run Complete.</source>
        <translation>Testlauf beendet.</translation>
    </message>
    <message>
        <source>Player		# Wins</source>
        <translation>Spieler		# Siege</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Wird beendet...</translation>
    </message>
    <message>
        <source>Score Pad</source>
        <translation>Punkteblock</translation>
    </message>
</context>
<context>
    <name>TextColours</name>
    <message>
        <source>Dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Light cyan</source>
        <translation>Helltürkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>the file is not there</source>
        <translation>Datei nicht vorhanden</translation>
    </message>
    <message>
        <source>you are not allowed to read it (no read permission)</source>
        <translation>Lesen nicht erlaubt (keine Leseberechtigung)</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>eine Verknüpfung, die ins Leere führt</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>lässt sich nicht öffnen (%1)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>it is a folder, not a file</source>
        <translation>ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or a link to one)</source>
        <translation>keine gewöhnliche Datei (ein Gerät, eine Pipe oder eine Verknüpfung darauf)</translation>
    </message>
    <message>
        <source>the file is too large (%1; at most %2)</source>
        <translation>Datei zu groß (%1; höchstens %2)</translation>
    </message>
    <message>
        <source>the file is too large (at most %1)</source>
        <translation>Datei zu groß (höchstens %1)</translation>
    </message>
</context>
<context>
    <name>WaveFile</name>
    <message>
        <source>it is not a wave file</source>
        <translation>keine Wave-Datei</translation>
    </message>
    <message>
        <source>its format header is damaged</source>
        <translation>Formatangaben beschädigt</translation>
    </message>
    <message>
        <source>it is compressed; only plain (PCM) wave files can be played</source>
        <translation>komprimiert; nur einfache Wave-Dateien (PCM) lassen sich abspielen</translation>
    </message>
    <message>
        <source>it has %1 channels; only mono and stereo can be played</source>
        <translation>%1 Kanäle; nur Mono und Stereo lassen sich abspielen</translation>
    </message>
    <message>
        <source>it has %1-bit samples; only 8 and 16 bits can be played</source>
        <translation>%1-Bit-Samples; nur 8 und 16 Bit lassen sich abspielen</translation>
    </message>
    <message>
        <source>its sample rate is %1 Hz; only %2 to %3 Hz can be played</source>
        <translation>Abtastrate %1 Hz; nur %2 bis %3 Hz lassen sich abspielen</translation>
    </message>
    <message>
        <source>its format header contradicts itself</source>
        <translation>Formatangaben widersprüchlich</translation>
    </message>
    <message>
        <source>its sound comes before its format header</source>
        <translation>Klangdaten stehen vor den Formatangaben</translation>
    </message>
    <message>
        <source>the file is shorter than its header says (damaged or cut off)</source>
        <translation>Datei kürzer als angegeben (beschädigt oder abgeschnitten)</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>keine Klangdaten</translation>
    </message>
    <message>
        <source>it has no format header</source>
        <translation>keine Formatangaben</translation>
    </message>
</context>
<context>
    <name>zarvel::ColourSquare</name>
    <message>
        <source>chosen</source>
        <extracomment>Said by a screen reader of the text colour now chosen.</extracomment>
        <translation>ausgewählt</translation>
    </message>
</context>
<context>
    <name>zarvel::ExpertTables</name>
    <message>
        <source>The Expert&apos;s play could not be worked out (%1). The Expert waits.</source>
        <translation>Das Spiel des Experten konnte nicht berechnet werden (%1). Der Experte wartet.</translation>
    </message>
    <message>
        <source>Preparing the Expert</source>
        <translation>Der Experte wird vorbereitet</translation>
    </message>
    <message>
        <source>Working out the Expert&apos;s play for games to %1 points that break in at %2. This is done once.</source>
        <translation>Der Experte rechnet sein Spiel für %1 Punkte mit Einstieg %2 durch. Das geschieht nur einmal.</translation>
    </message>
    <message>
        <source>Expert&apos;s play worked out</source>
        <translation>Spiel des Experten berechnet</translation>
    </message>
</context>
<context>
    <name>zarvel::GameTray</name>
    <message>
        <source>Die %1: %2</source>
        <extracomment>A rolled die&apos;s place as a screen reader reads it: %1 is its place (1-6), %2 what it shows (&quot;four&quot;).</extracomment>
        <translation>Würfel %1: %2</translation>
    </message>
    <message>
        <source>Set aside %1: %2</source>
        <extracomment>A set-aside die&apos;s place as a screen reader reads it: %1 is its place (1-6), %2 what it shows.</extracomment>
        <translation>Herausgelegt %1: %2</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The board&apos;s name for a screen reader: the place where the game is played.</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Rolled dice</source>
        <translation>Geworfene Würfel</translation>
    </message>
    <message>
        <source>Dice set aside</source>
        <translation>Herausgelegte Würfel</translation>
    </message>
    <message>
        <source>(Sample Dice)</source>
        <translation>(Musterwürfel)</translation>
    </message>
    <message>
        <source>Status Messages</source>
        <translation>Statusmeldungen</translation>
    </message>
    <message>
        <source>(Last Roll)</source>
        <translation>(Letzte Runde)</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Am Zug:</translation>
    </message>
    <message>
        <source>Score this Turn:</source>
        <translation>Punkte im Zug:</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Neues Spiel (F2)</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>The roll button (a picture), as a screen reader names it: the verb.</extracomment>
        <translation>Würfeln</translation>
    </message>
    <message>
        <source>Pass Dice</source>
        <extracomment>The pass button (a picture): hand the dice to the next player and bank the turn.</extracomment>
        <translation>Würfel abgeben</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>punktet</translation>
    </message>
    <message>
        <source>Rolling...</source>
        <translation>Es wird gewürfelt...</translation>
    </message>
    <message>
        <source>Select Dice.</source>
        <translation>Würfel wählen.</translation>
    </message>
    <message>
        <source>Select Dice or Pass Dice.</source>
        <translation>Würfel wählen oder abgeben.</translation>
    </message>
    <message>
        <source>All dice score - You must roll.</source>
        <translation>Alle Würfel zählen - würfeln!</translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Bitte würfeln.</translation>
    </message>
    <message>
        <source>Roll or pass the dice.</source>
        <translation>Würfeln oder abgeben.</translation>
    </message>
    <message>
        <source>Select dice or roll.</source>
        <translation>Würfel wählen oder würfeln.</translation>
    </message>
    <message>
        <source>Roll, select, or pass the dice.</source>
        <translation>Würfeln, wählen, abgeben.</translation>
    </message>
    <message>
        <source>Pass The Dice.</source>
        <translation>Würfel abgeben.</translation>
    </message>
    <message>
        <source>ZARVEL !!!</source>
        <translation>ZARVEL !!!</translation>
    </message>
    <message>
        <source>Passing the dice.</source>
        <translation>Würfel gehen weiter.</translation>
    </message>
    <message>
        <source>ZARVEL - %1</source>
        <extracomment>%1 is &quot;Passing the dice.&quot; shown letter by letter.</extracomment>
        <translation>ZARVEL - %1</translation>
    </message>
    <message>
        <source>Press &quot;F2&quot; to start a game.</source>
        <translation>Neues Spiel mit „F2“ starten.</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <extracomment>%1 is the name of the computer player whose turn it is.</extracomment>
        <translation>%1 ist am Zug.</translation>
    </message>
    <message numerus="yes">
        <source>%1 banked %n points.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1: %n Punkt gutgeschrieben.</numerusform>
            <numerusform>%1: %n Punkte gutgeschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n in one turn to get on the board.</source>
        <extracomment>%n is the break-in amount: the points a player must make in one turn before the first banking.</extracomment>
        <translation>
            <numerusform>Einstieg: %n Punkt in einem Zug.</numerusform>
            <numerusform>Einstieg: %n Punkte in einem Zug.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Undo)</source>
        <extracomment>%1 is a status line; the mark says the last action was taken back.</extracomment>
        <translation>%1 (zurück)</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a die box shows, read by a screen reader after &quot;Die 3:&quot;.</extracomment>
        <translation>leer</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eins</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
</context>
<context>
    <name>zarvel::Hint</name>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>sechs</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>one die</comment>
        <extracomment>One die to set aside; %1 is the face it shows, a digit.</extracomment>
        <translation>die %1</translation>
    </message>
    <message>
        <source>the %1 %2s</source>
        <comment>how many dice, their face</comment>
        <extracomment>Dice of one face to set aside: %1 is how many, a word (&quot;three&quot;); %2 the face, a digit (&quot;the three 4s&quot;).</extracomment>
        <translation>die %1 %2er</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list going on</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the end of a list</comment>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>the straight</source>
        <translation>die Straße</translation>
    </message>
    <message>
        <source>the three pairs</source>
        <translation>die drei Paare</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Working out the best play...</source>
        <translation>Der beste Zug wird berechnet...</translation>
    </message>
    <message>
        <source>No hint for this position.</source>
        <translation>Für diese Lage gibt es keinen Tipp.</translation>
    </message>
    <message>
        <source>scores; the hint sets it aside</source>
        <translation>punktet; der Tipp legt ihn heraus</translation>
    </message>
    <message>
        <source>over 99 %</source>
        <translation>über 99 %</translation>
    </message>
    <message>
        <source>under 1 %</source>
        <translation>unter 1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a chance in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Set aside %1 and roll all six again</source>
        <translation>Legen Sie %1 heraus, dann alle sechs neu</translation>
    </message>
    <message>
        <source>Set aside %1 and pass</source>
        <translation>Legen Sie %1 heraus und geben Sie ab</translation>
    </message>
    <message>
        <source>Set aside %1 and roll on</source>
        <translation>Legen Sie %1 heraus und würfeln Sie weiter</translation>
    </message>
    <message>
        <source>Roll on</source>
        <translation>Würfeln Sie weiter</translation>
    </message>
    <message>
        <source>Roll all six again</source>
        <translation>Würfeln Sie alle sechs neu</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Würfeln Sie</translation>
    </message>
    <message>
        <source>Pass the dice</source>
        <translation>Geben Sie die Würfel ab</translation>
    </message>
    <message>
        <source>%1 — %2 to win.</source>
        <translation>%1 – %2 Gewinnchance.</translation>
    </message>
    <message>
        <source>%1 — %2 to beat the best score so far.</source>
        <translation>%1 – %2 Chance, die bisher beste Punktzahl zu schlagen.</translation>
    </message>
    <message>
        <source>%1 — about %2 against the runner-up alone.</source>
        <translation>%1 – etwa %2 nur gegen den Zweiten.</translation>
    </message>
    <message>
        <source>%1 — about %2 against the leader alone.</source>
        <translation>%1 – etwa %2 nur gegen den Führenden.</translation>
    </message>
</context>
<context>
    <name>zarvel::OptionsTray</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>Sound FX:</source>
        <translation>Sound:</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound effects switched on.</extracomment>
        <translation>An</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound effects switched off.</extracomment>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Customize Sounds</source>
        <translation>Sounds anpassen</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>The heading over how fast the computer players play.</extracomment>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>How fast the computer players play.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Ridiculous</source>
        <translation>Irrsinnig</translation>
    </message>
    <message>
        <source>Misc.</source>
        <extracomment>Short for &quot;miscellaneous&quot;: the heading over the other options.</extracomment>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Misc:</source>
        <translation>Sonstiges:</translation>
    </message>
    <message>
        <source>Sort Dice</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Mark Points</source>
        <extracomment>Marks the dice that score with a small dot.</extracomment>
        <translation>Markieren</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Original Settings Restored.</source>
        <translation>Ursprüngliche Einstellungen wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>zarvel::RecordKeeper</name>
    <message>
        <source>The game of %1 was saved by a newer version of the game, which can continue it. It is left as it is.</source>
        <translation>Das Spiel von %1 wurde von einer neueren Version des Spiels gespeichert, die es fortsetzen kann. Es bleibt unverändert.</translation>
    </message>
    <message>
        <source>The saved game cannot be continued: it is damaged (%1).</source>
        <translation>Das gespeicherte Spiel kann nicht fortgesetzt werden: Es ist beschädigt (%1).</translation>
    </message>
</context>
<context>
    <name>zarvel::ThemeTray</name>
    <message>
        <source>Theme</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Sichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>Das Bild %1 kann nicht angezeigt werden: %2.</translation>
    </message>
</context>
<context>
    <name>zarvel::WindowZoom</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>An &amp;Bildschirm anpassen</translation>
    </message>
</context>
<context>
    <name>zarvel::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s caption; %1 is the game&apos;s name.</extracomment>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Roll several dice</source>
        <translation>Mehrere Würfel werfen</translation>
    </message>
    <message>
        <source>Roll one die</source>
        <translation>Einen Würfel werfen</translation>
    </message>
    <message>
        <source>by %1</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>von %1</translation>
    </message>
    <message>
        <source>A dice game for one to eight players.</source>
        <translation>Ein Würfelspiel für einen bis acht Spieler.</translation>
    </message>
    <message>
        <source>Freeware: pass it on to your friends, whole and unchanged.</source>
        <translation>Freeware: vollständig und unverändert an Freunde weitergeben.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Website %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>%1 is the maker&apos;s mail address.</extracomment>
        <translation>An %1 schreiben</translation>
    </message>
    <message>
        <source>This game comes as it is, without warranty. Please read the License Agreement before you share it.</source>
        <translation>Dieses Spiel wird so, wie es ist, ohne Gewähr überlassen. Bitte lesen Sie die Lizenzvereinbarung, bevor Sie es weitergeben.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation>&amp;Systeminfo</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Lizenzvereinbarung</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Systeminfo</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
    <message>
        <source>Knock knock.</source>
        <translation>Klopf, klopf.</translation>
    </message>
    <message>
        <source>Who&apos;s there?</source>
        <translation>Wer ist da?</translation>
    </message>
    <message>
        <source>Zarvel.</source>
        <translation>Zarvel.</translation>
    </message>
    <message>
        <source>Zarvel who?</source>
        <translation>Zarvel wer?</translation>
    </message>
    <message>
        <source>Zarvel! Not one die scored. Pass the dice, please.</source>
        <translation>Zarvel! Kein einziger Würfel zählt. Bitte Würfel abgeben.</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCongrats</name>
    <message>
        <source>Congratulations !!!</source>
        <translation>Herzlichen Glückwunsch !!!</translation>
    </message>
    <message>
        <source>Zarvel Champion</source>
        <translation>Zarvel-Meister</translation>
    </message>
    <message>
        <source>Engraving...</source>
        <extracomment>Shown a moment before the winner&apos;s name appears, as if engraved on a trophy.</extracomment>
        <translation>Wird graviert...</translation>
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
        <translation>ein Spiel von %1</translation>
    </message>
    <message>
        <source>Game Design</source>
        <translation>Spieldesign</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programmierung</translation>
    </message>
    <message>
        <source>Dice and Pictures</source>
        <translation>Würfel und Bilder</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Recorded on the kitchen table
by %1</source>
        <extracomment>Two short lines in the narrow credits; %1 is a person&apos;s name.</extracomment>
        <translation>Aufgenommen am Küchentisch
von %1</translation>
    </message>
    <message>
        <source>Computer Players</source>
        <translation>Computerspieler</translation>
    </message>
    <message>
        <source>Normal, Cautious, Fearless,
Simple, Random, Genius
and Moron, who tries his best</source>
        <extracomment>Short lines in the narrow credits: the computer styles&apos; names as the game shows them, and Moron, a joke.</extracomment>
        <translation>Normal, Vorsichtig, Furchtlos,
Einfach, Zufällig, Genie
und Trottel, der sein Bestes gibt</translation>
    </message>
    <message>
        <source>Play Testing</source>
        <translation>Testspieler</translation>
    </message>
    <message>
        <source>The Tuesday Night Dice Club</source>
        <translation>Der Dienstagabend-Würfelclub</translation>
    </message>
    <message>
        <source>Special Thanks
to everyone who ever lost
a good turn to a Zarvel</source>
        <extracomment>Short lines in the narrow credits.</extracomment>
        <translation>Besonderer Dank
an alle, die je einen guten
Zug an einen Zarvel verloren</translation>
    </message>
    <message>
        <source>Thanks for playing!</source>
        <translation>Danke fürs Spielen!</translation>
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
        <translation>Ihr zwei schon wieder!

%1 und %2,
dieses Spiel wurde an
eurem Küchentisch erprobt,
viele lange Abende lang.

Jeder eurer Zarvels
hat es besser gemacht.

Danke, und mögen eure
Würfel stets Fünfen zeigen.</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>The credits&apos; caption; %1 is the game&apos;s name.</extracomment>
        <translation>%1 – Mitwirkende</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Just for You Two</source>
        <translation>Nur für euch zwei</translation>
    </message>
    <message>
        <source>Credits &amp; Stuff</source>
        <translation>Mitwirkende &amp; mehr</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Mitwirkende</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>Fehler beim Rollen des Textes</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCustomizeSounds</name>
    <message>
        <source>Customize Sounds</source>
        <translation>Sounds anpassen</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Ereignis:</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sound:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Testen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>[Hit Backspace to restore default sounds]</source>
        <translation>[Rücktaste stellt die Standardsounds wieder her]</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation>Wave-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>Select &quot;%1&quot; sound</source>
        <extracomment>The file chooser&apos;s caption; %1 is a sound event (&quot;Roll One Die&quot;).</extracomment>
        <translation>Sound für „%1“ wählen</translation>
    </message>
    <message>
        <source>The sound %1 will not be heard: %2.</source>
        <extracomment>%1 is a file name, %2 why it cannot be played.</extracomment>
        <translation>Der Sound %1 ist nicht zu hören: %2.</translation>
    </message>
    <message>
        <source>Original Sounds Restored.</source>
        <translation>Ursprüngliche Sounds wiederhergestellt.</translation>
    </message>
</context>
<context>
    <name>zarvel::frmHelp</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s caption until a page names itself; %1 is the game&apos;s name.</extracomment>
        <translation>Hilfe zu %1</translation>
    </message>
</context>
<context>
    <name>zarvel::frmMain</name>
    <message>
        <source>%1

Your choice holds until you close the game; the settings saved earlier are unchanged.</source>
        <extracomment>%1 says why the settings file could not be written.</extracomment>
        <translation>%1

Ihre Auswahl gilt, bis Sie das Spiel schließen; die zuvor gespeicherten Einstellungen bleiben unverändert.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;New Game   (F2)</source>
        <translation>&amp;Neues Spiel   (F2)</translation>
    </message>
    <message>
        <source>&amp;Theme...</source>
        <translation>&amp;Design...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Optionen...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Statistik...</translation>
    </message>
    <message>
        <source>Score &amp;Pad</source>
        <translation>&amp;Punkteblock</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>Ü&amp;ber %1...</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>Beenden?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the current game?</source>
        <translation>Möchten Sie das laufende Spiel wirklich beenden?</translation>
    </message>
    <message numerus="yes">
        <source>%1 has gone out.  Everybody else gets one more roll to try and beat %n points.</source>
        <extracomment>%1 is the player&apos;s name, %n their final score.</extracomment>
        <translation>
            <numerusform>%1 hat das Ziel erreicht.  Alle anderen haben noch einen Zug, um %n Punkt zu überbieten.</numerusform>
            <numerusform>%1 hat das Ziel erreicht.  Alle anderen haben noch einen Zug, um %n Punkte zu überbieten.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvel::frmNewGame</name>
    <message>
        <source>Start New Game</source>
        <translation>Neues Spiel starten</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column heading over the players&apos; names.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Computer Player?</source>
        <extracomment>Column heading over the boxes that make a seat a computer player.</extracomment>
        <translation>Computer?</translation>
    </message>
    <message>
        <source>Computer Style</source>
        <extracomment>Column heading over the lists of how each computer player plays.</extracomment>
        <translation>Computerstil</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>Computer Player %1</source>
        <extracomment>%1 is the seat&apos;s number.</extracomment>
        <translation>Computerspieler %1</translation>
    </message>
    <message>
        <source>Style of player %1</source>
        <translation>Stil von Spieler %1</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Anzahl der Spieler:</translation>
    </message>
    <message>
        <source>Play to:</source>
        <extracomment>Over the choice of the target score that ends the game.</extracomment>
        <translation>Spielen bis:</translation>
    </message>
    <message>
        <source>&quot;Break In&quot; Score:</source>
        <extracomment>Over the choice of the points a player must make in one turn before the first banking.</extracomment>
        <translation>Einstieg:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Test Mode</source>
        <translation>Testmodus</translation>
    </message>
    <message>
        <source>Enter Test Mode ?</source>
        <translation>Testmodus starten ?</translation>
    </message>
    <message>
        <source>One</source>
        <extracomment>How many players play: the choices under &quot;Number of Players:&quot;.</extracomment>
        <translation>Eins</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
</context>
<context>
    <name>zarvel::frmScorePad</name>
    <message>
        <source>Score Pad</source>
        <translation>Punkteblock</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading over the players&apos; names.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column heading over the players&apos; scores.</extracomment>
        <translation>Stand</translation>
    </message>
    <message>
        <source>(Playing to %1)</source>
        <extracomment>%1 is the target score that ends the game.</extracomment>
        <translation>(Spiel bis %1)</translation>
    </message>
    <message>
        <source>(%1 to break in)</source>
        <extracomment>%1 is the points a player must make in one turn before the first banking.</extracomment>
        <translation>(Einstieg: %1)</translation>
    </message>
    <message>
        <source>Game %1 of %2</source>
        <translation>Spiel %1 von %2</translation>
    </message>
</context>
<context>
    <name>zarvel::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Ziel:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Win %</source>
        <translation>Siege %</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Beste Punktzahl</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Ø Punktzahl</translation>
    </message>
    <message>
        <source>Best turn</source>
        <translation>Bester Zug</translation>
    </message>
    <message>
        <source>Points per turn</source>
        <translation>Punkte pro Zug</translation>
    </message>
    <message>
        <source>Zarvel %</source>
        <translation>Zarvel %</translation>
    </message>
    <message>
        <source>Share of turns that ended in a Zarvel</source>
        <translation>Anteil der Züge, die mit einem Zarvel endeten</translation>
    </message>
    <message>
        <source>Most points banked in one turn</source>
        <translation>Die meisten in einem Zug gutgeschriebenen Punkte</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Spieler</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>&amp;Computer styles</source>
        <translation>&amp;Computerstile</translation>
    </message>
    <message>
        <source>Computer styles</source>
        <translation>Computerstile</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Bestenliste</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>Zu&amp;rücksetzen...</translation>
    </message>
    <message>
        <source>&amp;Export to CSV...</source>
        <translation>Als CSV &amp;exportieren...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Sort &amp;Ascending</source>
        <translation>&amp;Aufsteigend sortieren</translation>
    </message>
    <message>
        <source>Sort &amp;Descending</source>
        <translation>A&amp;bsteigend sortieren</translation>
    </message>
    <message>
        <source>All targets</source>
        <translation>Alle Ziele</translation>
    </message>
    <message>
        <source>No statistics: the game records could not be opened.</source>
        <translation>Keine Statistik: Die Spielaufzeichnungen konnten nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>No games recorded yet.</source>
        <translation>Noch keine Spiele aufgezeichnet.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a computer seat&apos;s name and style</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Delete every recorded game, not only those played to %1? The statistics and high scores of all targets start again from nothing.</source>
        <translation>Alle aufgezeichneten Spiele löschen, nicht nur die bis %1? Statistik und Bestenliste aller Ziele beginnen dann wieder bei null.</translation>
    </message>
    <message>
        <source>Delete every recorded game? The statistics and high scores start again from nothing.</source>
        <translation>Alle aufgezeichneten Spiele löschen? Statistik und Bestenliste beginnen dann wieder bei null.</translation>
    </message>
    <message>
        <source>The recorded games could not be deleted.</source>
        <translation>Die aufgezeichneten Spiele konnten nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>The statistics could not be exported to %1: %2</source>
        <translation>Die Statistik konnte nicht nach %1 exportiert werden: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Nach %1 exportiert.</translation>
    </message>
</context>
</TS>
