<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ARButton</name>
    <message>
        <source>Roll</source>
        <extracomment>Drawn on the roll button beside a die: the verb, one short word.</extracomment>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Pass
Dice</source>
        <extracomment>Drawn on the pass button beside two dice and an arrow: two short lines.</extracomment>
        <translation>Pasar
dados</translation>
    </message>
</context>
<context>
    <name>Backgrounds</name>
    <message>
        <source>(None)</source>
        <translation>(Ninguno)</translation>
    </message>
    <message>
        <source>Autumn</source>
        <translation>Otoño</translation>
    </message>
    <message>
        <source>Blonde Chick</source>
        <translation>Pollito rubio</translation>
    </message>
    <message>
        <source>Blueprints</source>
        <translation>Planos</translation>
    </message>
    <message>
        <source>Baby Seal</source>
        <translation>Foquita</translation>
    </message>
    <message>
        <source>Evergreen</source>
        <translation>Pinar</translation>
    </message>
    <message>
        <source>Nautical</source>
        <translation>Náutico</translation>
    </message>
    <message>
        <source>Old Glory</source>
        <translation>Bandera</translation>
    </message>
    <message>
        <source>Quacker</source>
        <translation>Cuac</translation>
    </message>
    <message>
        <source>Satin</source>
        <translation>Satén</translation>
    </message>
    <message>
        <source>Strawberries</source>
        <translation>Fresas</translation>
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
        <translation>Uso: %1 [opción]</translation>
    </message>
    <message>
        <source>A dice game for one to eight players at one computer.</source>
        <translation>Un juego de dados para uno a ocho jugadores ante una misma pantalla.</translation>
    </message>
    <message>
        <source>show this help and quit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and quit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>open the window, print how long start-up took, and quit</source>
        <translation>abrir la ventana, mostrar cuánto tardó el arranque y salir</translation>
    </message>
    <message>
        <source>Without an option the game opens its window.</source>
        <translation>Sin opciones, el juego abre su ventana.</translation>
    </message>
</context>
<context>
    <name>ComputerPlayers</name>
    <message>
        <source>NumDiceUp = %1<byte value="xd"/>
Error 529 - Bot Click - Please contact %2.</source>
        <translation>NumDiceUp = %1<byte value="xd"/>
Error 529 - Bot Click - Comunícate con %2.</translation>
    </message>
    <message>
        <source>Msg 519 -- Please contact %1 Tech Support.</source>
        <translation>Mensaje 519 -- Comunícate con el servicio técnico de %1.</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>it is not a picture this game can show (BMP, JPEG, GIF or PNG)</source>
        <translation>no es una imagen que el juego pueda mostrar (BMP, JPEG, GIF o PNG)</translation>
    </message>
    <message>
        <source>it is damaged or not a complete picture</source>
        <translation>está dañada o incompleta</translation>
    </message>
    <message>
        <source>the picture is too large (%1 x %2 pixels; at most %3 million)</source>
        <translation>la imagen es demasiado grande (%1 x %2 píxeles; como máximo %3 millones)</translation>
    </message>
    <message>
        <source>it took too long to load</source>
        <translation>tardó demasiado en cargarse</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Error %1:  Please contact %2.</source>
        <extracomment>%1 is an error number, %2 the maker&apos;s name.</extracomment>
        <translation>Error %1: comunícate con %2.</translation>
    </message>
</context>
<context>
    <name>Records</name>
    <message>
        <source>The game records in %1 could not be read (%2). They were kept as %3, and new records were started.</source>
        <translation>No se pudo leer el historial de partidas de %1 (%2). Se guardó como %3 y se empezó un historial nuevo.</translation>
    </message>
    <message>
        <source>The game records in %1 were written by a newer version of the game. They are left as they are, and games are not recorded until that version is used again.</source>
        <translation>El historial de partidas de %1 lo escribió una versión más reciente del juego. Se deja como está, y las partidas no se registran hasta que se vuelva a usar esa versión.</translation>
    </message>
    <message>
        <source>The game records cannot be written to %1 (%2). The game goes on, but games are not recorded.</source>
        <translation>No se puede escribir el historial de partidas en %1 (%2). El juego continúa, pero las partidas no se registran.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the last two names of a list</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>names of a list</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Continue the game of %1?</source>
        <translation>¿Continuar la partida de %1?</translation>
    </message>
    <message>
        <source>Style %1</source>
        <translation>Estilo %1</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>it is not a text file</source>
        <translation>no es un archivo de texto</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is too large to be a settings file</source>
        <translation>es demasiado grande para ser un archivo de configuración</translation>
    </message>
    <message>
        <source>The settings file %1 could not be read (%2); the defaults are used.</source>
        <translation>No se pudo leer el archivo de configuración %1 (%2); se usan los valores predeterminados.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be used as a settings key.</source>
        <translation>&quot;%1&quot; no se puede usar como clave de configuración.</translation>
    </message>
    <message>
        <source>The value of %1 cannot be stored: it holds a line break or a control character.</source>
        <translation>No se puede guardar el valor de %1: contiene un salto de línea o un carácter de control.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the unreadable file there could not be kept aside first (%2).</source>
        <translation>No se pudo guardar la configuración en %1: antes no se pudo poner a salvo el archivo ilegible que había allí (%2).</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2.</source>
        <translation>No se pudo guardar la configuración en %1: %2.</translation>
    </message>
    <message>
        <source>it is a link to %1, which does not exist</source>
        <translation>es un enlace a %1, que no existe</translation>
    </message>
    <message>
        <source>it is a link to %1, which is not an ordinary file</source>
        <translation>es un enlace a %1, que no es un archivo normal</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>hay una carpeta con ese nombre que lo impide</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: its folder could not be made.</source>
        <translation>No se pudo guardar la configuración en %1: no se pudo crear su carpeta.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: another copy of the game is saving its own.</source>
        <translation>No se pudo guardar la configuración en %1: otra copia del juego está guardando la suya.</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: the file would grow past %2 KB, more than the game reads.</source>
        <translation>No se pudo guardar la configuración en %1: el archivo pasaría de %2 KB, más de lo que el juego lee.</translation>
    </message>
</context>
<context>
    <name>Skins</name>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Clouds</source>
        <translation>Nubes</translation>
    </message>
    <message>
        <source>Marbles</source>
        <translation>Mármol</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>Billiards</source>
        <translation>Billar</translation>
    </message>
    <message>
        <source>Patriot</source>
        <translation>Patriota</translation>
    </message>
    <message>
        <source>Bubbles</source>
        <translation>Burbujas</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>PC</translation>
    </message>
    <message>
        <source>Roman</source>
        <translation>Romano</translation>
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
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Morado</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
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
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Move Dice</source>
        <translation>Mover dados</translation>
    </message>
    <message>
        <source>Pass Dice (w/ points)</source>
        <translation>Pasar dados (con puntos)</translation>
    </message>
    <message>
        <source>Pass Dice (w/o points)</source>
        <translation>Pasar dados (sin puntos)</translation>
    </message>
    <message>
        <source>Roll Multiple Dice</source>
        <translation>Tirar varios dados</translation>
    </message>
    <message>
        <source>Roll One Die</source>
        <translation>Tirar un dado</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
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
        <translation>Prudente</translation>
    </message>
    <message>
        <source>Fearless</source>
        <translation>Temerario</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Sencillo</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Genius</source>
        <translation>Genio</translation>
    </message>
    <message>
        <source>Moron</source>
        <translation>Bobo</translation>
    </message>
    <message>
        <source>Expert</source>
        <translation>Experto</translation>
    </message>
</context>
<context>
    <name>TestMode</name>
    <message>
        <source>How Many Games (7 or 14) ???</source>
        <translation>¿¿¿Cuántas partidas (7 o 14)???</translation>
    </message>
    <message>
        <source>Normal&apos;s Position (0-6) ???</source>
        <translation>¿¿¿Posición de Normal (0-6)???</translation>
    </message>
    <message>
        <source>Play to 5000 or 10000 ???</source>
        <translation>¿¿¿Jugar a 5000 o a 10000???</translation>
    </message>
    <message>
        <source>Amount needed to break in ???</source>
        <translation>¿¿¿Puntos necesarios para entrar???</translation>
    </message>
    <message>
        <source>Game  %1 of %2</source>
        <translation>Partida  %1 de %2</translation>
    </message>
    <message>
        <source>Test Run Complete.</source>
        <translation>Prueba completada.</translation>
    </message>
    <message>
        <source>Player		# Wins</source>
        <translation>Jugador		Victorias</translation>
    </message>
    <message>
        <source>Exiting...</source>
        <translation>Saliendo...</translation>
    </message>
    <message>
        <source>Score Pad</source>
        <translation>Marcador</translation>
    </message>
</context>
<context>
    <name>TextColours</name>
    <message>
        <source>Dark grey</source>
        <translation>Gris oscuro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Light cyan</source>
        <translation>Cian claro</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>UserFile</name>
    <message>
        <source>the file is not there</source>
        <translation>el archivo no existe</translation>
    </message>
    <message>
        <source>you are not allowed to read it (no read permission)</source>
        <translation>no tienes permiso para leerlo (falta el permiso de lectura)</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>es un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
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
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>it is not an ordinary file (a device, a pipe or a link to one)</source>
        <translation>no es un archivo normal (es un dispositivo, una tubería o un enlace a uno de ellos)</translation>
    </message>
    <message>
        <source>the file is too large (%1; at most %2)</source>
        <translation>el archivo es demasiado grande (%1; como máximo %2)</translation>
    </message>
    <message>
        <source>the file is too large (at most %1)</source>
        <translation>el archivo es demasiado grande (como máximo %1)</translation>
    </message>
</context>
<context>
    <name>WaveFile</name>
    <message>
        <source>it is not a wave file</source>
        <translation>no es un archivo WAV</translation>
    </message>
    <message>
        <source>its format header is damaged</source>
        <translation>su cabecera de formato está dañada</translation>
    </message>
    <message>
        <source>it is compressed; only plain (PCM) wave files can be played</source>
        <translation>está comprimido; solo se pueden reproducir archivos WAV sin comprimir (PCM)</translation>
    </message>
    <message>
        <source>it has %1 channels; only mono and stereo can be played</source>
        <translation>tiene %1 canales; solo se puede reproducir sonido mono o estéreo</translation>
    </message>
    <message>
        <source>it has %1-bit samples; only 8 and 16 bits can be played</source>
        <translation>tiene muestras de %1 bits; solo se pueden reproducir muestras de 8 y 16 bits</translation>
    </message>
    <message>
        <source>its sample rate is %1 Hz; only %2 to %3 Hz can be played</source>
        <translation>su frecuencia de muestreo es de %1 Hz; solo se puede reproducir de %2 a %3 Hz</translation>
    </message>
    <message>
        <source>its format header contradicts itself</source>
        <translation>su cabecera de formato es incoherente</translation>
    </message>
    <message>
        <source>its sound comes before its format header</source>
        <translation>el sonido está antes de la cabecera de formato</translation>
    </message>
    <message>
        <source>the file is shorter than its header says (damaged or cut off)</source>
        <translation>el archivo es más corto de lo que indica su cabecera (dañado o cortado)</translation>
    </message>
    <message>
        <source>it holds no sound</source>
        <translation>no contiene sonido</translation>
    </message>
    <message>
        <source>it has no format header</source>
        <translation>no tiene cabecera de formato</translation>
    </message>
</context>
<context>
    <name>zarvel::ColourSquare</name>
    <message>
        <source>chosen</source>
        <extracomment>Said by a screen reader of the text colour now chosen.</extracomment>
        <translation>elegido</translation>
    </message>
</context>
<context>
    <name>zarvel::ExpertTables</name>
    <message>
        <source>The Expert&apos;s play could not be worked out (%1). The Expert waits.</source>
        <translation>No se pudo calcular el juego del Experto (%1). El Experto espera.</translation>
    </message>
    <message>
        <source>Preparing the Expert</source>
        <translation>Preparando al Experto</translation>
    </message>
    <message>
        <source>Working out the Expert&apos;s play for games to %1 points that break in at %2. This is done once.</source>
        <translation>Calculando el juego del Experto para partidas a %1 puntos con entrada de %2. Solo se hace una vez.</translation>
    </message>
    <message>
        <source>Expert&apos;s play worked out</source>
        <translation>Juego del Experto calculado</translation>
    </message>
</context>
<context>
    <name>zarvel::GameTray</name>
    <message>
        <source>Die %1: %2</source>
        <extracomment>A rolled die&apos;s place as a screen reader reads it: %1 is its place (1-6), %2 what it shows (&quot;four&quot;).</extracomment>
        <translation>Dado %1: %2</translation>
    </message>
    <message>
        <source>Set aside %1: %2</source>
        <extracomment>A set-aside die&apos;s place as a screen reader reads it: %1 is its place (1-6), %2 what it shows.</extracomment>
        <translation>Apartado %1: %2</translation>
    </message>
    <message>
        <source>Game</source>
        <extracomment>The board&apos;s name for a screen reader: the place where the game is played.</extracomment>
        <translation>Mesa de juego</translation>
    </message>
    <message>
        <source>Rolled dice</source>
        <translation>Dados tirados</translation>
    </message>
    <message>
        <source>Dice set aside</source>
        <translation>Dados apartados</translation>
    </message>
    <message>
        <source>(Sample Dice)</source>
        <translation>(Muestra)</translation>
    </message>
    <message>
        <source>Status Messages</source>
        <translation>Mensajes de estado</translation>
    </message>
    <message>
        <source>(Last Roll)</source>
        <translation>(Última tirada)</translation>
    </message>
    <message>
        <source>Current Player:</source>
        <translation>Jugador actual:</translation>
    </message>
    <message>
        <source>Score this Turn:</source>
        <translation>Puntos del turno:</translation>
    </message>
    <message>
        <source>New Game (F2)</source>
        <translation>Nueva partida (F2)</translation>
    </message>
    <message>
        <source>Roll</source>
        <extracomment>The roll button (a picture), as a screen reader names it: the verb.</extracomment>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Pass Dice</source>
        <extracomment>The pass button (a picture): hand the dice to the next player and bank the turn.</extracomment>
        <translation>Pasar dados</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>scores</source>
        <translation>puntúa</translation>
    </message>
    <message>
        <source>Rolling...</source>
        <translation>Tirando...</translation>
    </message>
    <message>
        <source>Select Dice.</source>
        <translation>Aparta dados.</translation>
    </message>
    <message>
        <source>Select Dice or Pass Dice.</source>
        <translation>Aparta dados o pasa.</translation>
    </message>
    <message>
        <source>All dice score - You must roll.</source>
        <translation>Todos puntúan: toca tirar.</translation>
    </message>
    <message>
        <source>Roll the dice.</source>
        <translation>Tira los dados.</translation>
    </message>
    <message>
        <source>Roll or pass the dice.</source>
        <translation>Tira o pasa los dados.</translation>
    </message>
    <message>
        <source>Select dice or roll.</source>
        <translation>Aparta dados o tira.</translation>
    </message>
    <message>
        <source>Roll, select, or pass the dice.</source>
        <translation>Tira, aparta o pasa.</translation>
    </message>
    <message>
        <source>Pass The Dice.</source>
        <translation>Pasa los dados.</translation>
    </message>
    <message>
        <source>ZARVEL !!!</source>
        <translation>¡¡¡ZARVEL!!!</translation>
    </message>
    <message>
        <source>Passing the dice.</source>
        <translation>Pasando los dados.</translation>
    </message>
    <message>
        <source>ZARVEL - %1</source>
        <extracomment>%1 is &quot;Passing the dice.&quot; shown letter by letter.</extracomment>
        <translation>ZARVEL - %1</translation>
    </message>
    <message>
        <source>Press &quot;F2&quot; to start a game.</source>
        <translation>Pulsa &quot;F2&quot; para empezar una partida.</translation>
    </message>
    <message>
        <source>%1 is playing.</source>
        <extracomment>%1 is the name of the computer player whose turn it is.</extracomment>
        <translation>Juega %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1 banked %n points.</source>
        <extracomment>%1 is the player&apos;s name.</extracomment>
        <translation>
            <numerusform>%1 se anota %n punto.</numerusform>
            <numerusform>%1 se anota %n puntos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n in one turn to get on the board.</source>
        <extracomment>%n is the break-in amount: the points a player must make in one turn before the first banking.</extracomment>
        <translation>
            <numerusform>%n punto en un turno para entrar.</numerusform>
            <numerusform>%n puntos en un turno para entrar.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (Undo)</source>
        <extracomment>%1 is a status line; the mark says the last action was taken back.</extracomment>
        <translation>%1 (deshecho)</translation>
    </message>
    <message>
        <source>empty</source>
        <extracomment>What a die box shows, read by a screen reader after &quot;Die 3:&quot;.</extracomment>
        <translation>vacío</translation>
    </message>
    <message>
        <source>one</source>
        <translation>uno</translation>
    </message>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
</context>
<context>
    <name>zarvel::Hint</name>
    <message>
        <source>two</source>
        <translation>dos</translation>
    </message>
    <message>
        <source>three</source>
        <translation>tres</translation>
    </message>
    <message>
        <source>four</source>
        <translation>cuatro</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinco</translation>
    </message>
    <message>
        <source>six</source>
        <translation>seis</translation>
    </message>
    <message>
        <source>the %1</source>
        <comment>one die</comment>
        <extracomment>One die to set aside; %1 is the face it shows, a digit.</extracomment>
        <translation>el %1</translation>
    </message>
    <message>
        <source>the %1 %2s</source>
        <comment>how many dice, their face</comment>
        <extracomment>Dice of one face to set aside: %1 is how many, a word (&quot;three&quot;); %2 the face, a digit (&quot;the three 4s&quot;).</extracomment>
        <translation>los %1 %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a list going on</comment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <comment>the end of a list</comment>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>the straight</source>
        <translation>la escalera</translation>
    </message>
    <message>
        <source>the three pairs</source>
        <translation>las tres parejas</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Working out the best play...</source>
        <translation>Calculando la mejor jugada...</translation>
    </message>
    <message>
        <source>No hint for this position.</source>
        <translation>No hay pista para esta jugada.</translation>
    </message>
    <message>
        <source>scores; the hint sets it aside</source>
        <translation>puntúa; la pista lo aparta</translation>
    </message>
    <message>
        <source>over 99 %</source>
        <translation>más del 99 %</translation>
    </message>
    <message>
        <source>under 1 %</source>
        <translation>menos del 1 %</translation>
    </message>
    <message>
        <source>%1 %</source>
        <comment>a chance in percent</comment>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Set aside %1 and roll all six again</source>
        <translation>Aparta %1 y vuelve a tirar los seis</translation>
    </message>
    <message>
        <source>Set aside %1 and pass</source>
        <translation>Aparta %1 y pasa</translation>
    </message>
    <message>
        <source>Set aside %1 and roll on</source>
        <translation>Aparta %1 y sigue tirando</translation>
    </message>
    <message>
        <source>Roll on</source>
        <translation>Sigue tirando</translation>
    </message>
    <message>
        <source>Roll all six again</source>
        <translation>Vuelve a tirar los seis</translation>
    </message>
    <message>
        <source>Roll the dice</source>
        <translation>Tira los dados</translation>
    </message>
    <message>
        <source>Pass the dice</source>
        <translation>Pasa los dados</translation>
    </message>
    <message>
        <source>%1 — %2 to win.</source>
        <translation>%1 — %2 de ganar.</translation>
    </message>
    <message>
        <source>%1 — %2 to beat the best score so far.</source>
        <translation>%1 — %2 de superar la mejor puntuación.</translation>
    </message>
    <message>
        <source>%1 — about %2 against the runner-up alone.</source>
        <translation>%1 — aprox. %2 contando solo al segundo.</translation>
    </message>
    <message>
        <source>%1 — about %2 against the leader alone.</source>
        <translation>%1 — aprox. %2 contando solo al líder.</translation>
    </message>
</context>
<context>
    <name>zarvel::OptionsTray</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Sound Effects</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound FX:</source>
        <translation>Sonido:</translation>
    </message>
    <message>
        <source>On</source>
        <extracomment>Sound effects switched on.</extracomment>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <extracomment>Sound effects switched off.</extracomment>
        <translation>No</translation>
    </message>
    <message>
        <source>Customize Sounds</source>
        <translation>Personalizar sonidos</translation>
    </message>
    <message>
        <source>Speed</source>
        <extracomment>The heading over how fast the computer players play.</extracomment>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Normal</source>
        <extracomment>How fast the computer players play.</extracomment>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Ridiculous</source>
        <translation>Absurda</translation>
    </message>
    <message>
        <source>Misc.</source>
        <extracomment>Short for &quot;miscellaneous&quot;: the heading over the other options.</extracomment>
        <translation>Varios</translation>
    </message>
    <message>
        <source>Misc:</source>
        <translation>Varios:</translation>
    </message>
    <message>
        <source>Sort Dice</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Mark Points</source>
        <extracomment>Marks the dice that score with a small dot.</extracomment>
        <translation>Marcar</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>Original Settings Restored.</source>
        <translation>Valores originales restablecidos.</translation>
    </message>
</context>
<context>
    <name>zarvel::RecordKeeper</name>
    <message>
        <source>The game of %1 was saved by a newer version of the game, which can continue it. It is left as it is.</source>
        <translation>La partida de %1 la guardó una versión más reciente del juego, que puede continuarla. Se deja como está.</translation>
    </message>
    <message>
        <source>The saved game cannot be continued: it is damaged (%1).</source>
        <translation>No se puede continuar la partida guardada: está dañada (%1).</translation>
    </message>
</context>
<context>
    <name>zarvel::ThemeTray</name>
    <message>
        <source>Theme</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Color del texto</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anular</translation>
    </message>
    <message>
        <source>The picture %1 cannot be shown: %2.</source>
        <translation>No se puede mostrar la imagen %1: %2.</translation>
    </message>
</context>
<context>
    <name>zarvel::WindowZoom</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>&amp;Fit to Screen</source>
        <translation>Ajustar a la &amp;pantalla</translation>
    </message>
</context>
<context>
    <name>zarvel::frmAbout</name>
    <message>
        <source>About %1</source>
        <extracomment>The about box&apos;s caption; %1 is the game&apos;s name.</extracomment>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>Roll several dice</source>
        <translation>Tirar varios dados</translation>
    </message>
    <message>
        <source>Roll one die</source>
        <translation>Tirar un dado</translation>
    </message>
    <message>
        <source>by %1</source>
        <extracomment>%1 is the maker&apos;s name.</extracomment>
        <translation>de %1</translation>
    </message>
    <message>
        <source>A dice game for one to eight players.</source>
        <translation>Un juego de dados para uno a ocho jugadores.</translation>
    </message>
    <message>
        <source>Freeware: pass it on to your friends, whole and unchanged.</source>
        <translation>Gratuito: compártelo con tus amigos, completo y sin cambios.</translation>
    </message>
    <message>
        <source>Links</source>
        <translation>Enlaces</translation>
    </message>
    <message>
        <source>www</source>
        <translation>www</translation>
    </message>
    <message>
        <source>e-mail</source>
        <translation>correo</translation>
    </message>
    <message>
        <source>Web site</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>Correo</translation>
    </message>
    <message>
        <source>Web site %1</source>
        <extracomment>%1 is the maker&apos;s web address.</extracomment>
        <translation>Sitio web %1</translation>
    </message>
    <message>
        <source>Write to %1</source>
        <extracomment>%1 is the maker&apos;s mail address.</extracomment>
        <translation>Escribir a %1</translation>
    </message>
    <message>
        <source>This game comes as it is, without warranty. Please read the License Agreement before you share it.</source>
        <translation>Este juego se ofrece tal cual, sin garantía. Lee el contrato de licencia antes de compartirlo.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info</source>
        <translation>Información del &amp;sistema</translation>
    </message>
    <message>
        <source>License Agreement</source>
        <translation>Contrato de licencia</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Knock knock.</source>
        <translation>Toc, toc.</translation>
    </message>
    <message>
        <source>Who&apos;s there?</source>
        <translation>¿Quién es?</translation>
    </message>
    <message>
        <source>Zarvel.</source>
        <translation>Zarvel.</translation>
    </message>
    <message>
        <source>Zarvel who?</source>
        <translation>¿Qué Zarvel?</translation>
    </message>
    <message>
        <source>Zarvel! Not one die scored. Pass the dice, please.</source>
        <translation>¡Zarvel! No ha puntuado ni un dado. Pasa los dados, por favor.</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCongrats</name>
    <message>
        <source>Congratulations !!!</source>
        <translation>¡¡¡Felicidades!!!</translation>
    </message>
    <message>
        <source>Zarvel Champion</source>
        <translation>Campeón de Zarvel</translation>
    </message>
    <message>
        <source>Engraving...</source>
        <extracomment>Shown a moment before the winner&apos;s name appears, as if engraved on a trophy.</extracomment>
        <translation>Grabando...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCredits</name>
    <message>
        <source>a %1 game</source>
        <extracomment>Under the game&apos;s name in the credits; %1 is the maker&apos;s name.</extracomment>
        <translation>un juego de %1</translation>
    </message>
    <message>
        <source>Game Design</source>
        <translation>Diseño del juego</translation>
    </message>
    <message>
        <source>Programming</source>
        <translation>Programación</translation>
    </message>
    <message>
        <source>Dice and Pictures</source>
        <translation>Dados e imágenes</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Recorded on the kitchen table
by %1</source>
        <extracomment>Two short lines in the narrow credits; %1 is a person&apos;s name.</extracomment>
        <translation>Grabados en la mesa de la cocina
por %1</translation>
    </message>
    <message>
        <source>Computer Players</source>
        <translation>Jugadores de la máquina</translation>
    </message>
    <message>
        <source>Normal, Cautious, Fearless,
Simple, Random, Genius
and Moron, who tries his best</source>
        <extracomment>Short lines in the narrow credits: the computer styles&apos; names as the game shows them, and Moron, a joke.</extracomment>
        <translation>Normal, Prudente, Temerario,
Sencillo, Aleatorio, Genio
y Bobo, que hace lo que puede</translation>
    </message>
    <message>
        <source>Play Testing</source>
        <translation>Pruebas de juego</translation>
    </message>
    <message>
        <source>The Tuesday Night Dice Club</source>
        <translation>El Club de Dados de los Martes</translation>
    </message>
    <message>
        <source>Special Thanks
to everyone who ever lost
a good turn to a Zarvel</source>
        <extracomment>Short lines in the narrow credits.</extracomment>
        <translation>Gracias en especial
a quien alguna vez perdió
un buen turno por un Zarvel</translation>
    </message>
    <message>
        <source>Thanks for playing!</source>
        <translation>¡Gracias por jugar!</translation>
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
        <translation>¡Otra vez los dos!

%1 y %2:
este juego se probó
en la mesa de su cocina
durante muchas veladas.

Cada Zarvel que salió
hizo mejor el juego.

¡Gracias! Y que en los dados
siempre salgan cincos.</translation>
    </message>
    <message>
        <source>%1 Credits</source>
        <extracomment>The credits&apos; caption; %1 is the game&apos;s name.</extracomment>
        <translation>Créditos de %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Just for You Two</source>
        <translation>Solo para los dos</translation>
    </message>
    <message>
        <source>Credits &amp; Stuff</source>
        <translation>Créditos y más</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Créditos</translation>
    </message>
    <message>
        <source>Error scrolling text</source>
        <translation>Error al desplazar el texto</translation>
    </message>
</context>
<context>
    <name>zarvel::frmCustomizeSounds</name>
    <message>
        <source>Customize Sounds</source>
        <translation>Personalizar sonidos</translation>
    </message>
    <message>
        <source>Event:</source>
        <translation>Suceso:</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Suceso</translation>
    </message>
    <message>
        <source>Sound:</source>
        <translation>Sonido:</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Probar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>[Hit Backspace to restore default sounds]</source>
        <translation>[Pulsa Retroceso para restablecer los sonidos]</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>Select &quot;%1&quot; sound</source>
        <extracomment>The file chooser&apos;s caption; %1 is a sound event (&quot;Roll One Die&quot;).</extracomment>
        <translation>Elegir el sonido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The sound %1 will not be heard: %2.</source>
        <extracomment>%1 is a file name, %2 why it cannot be played.</extracomment>
        <translation>No se oirá el sonido %1: %2.</translation>
    </message>
    <message>
        <source>Original Sounds Restored.</source>
        <translation>Sonidos originales restablecidos.</translation>
    </message>
</context>
<context>
    <name>zarvel::frmHelp</name>
    <message>
        <source>%1 Help</source>
        <extracomment>The help window&apos;s caption until a page names itself; %1 is the game&apos;s name.</extracomment>
        <translation>Ayuda de %1</translation>
    </message>
</context>
<context>
    <name>zarvel::frmMain</name>
    <message>
        <source>%1

Your choice holds until you close the game; the settings saved earlier are unchanged.</source>
        <extracomment>%1 says why the settings file could not be written.</extracomment>
        <translation>%1

Tu elección se mantiene hasta que cierres el juego; la configuración guardada antes no cambia.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;New Game   (F2)</source>
        <translation>&amp;Nueva partida   (F2)</translation>
    </message>
    <message>
        <source>&amp;Theme...</source>
        <translation>&amp;Aspecto...</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opciones...</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>Score &amp;Pad</source>
        <translation>&amp;Marcador</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Ay&amp;uda...</translation>
    </message>
    <message>
        <source>&amp;About %1...</source>
        <extracomment>%1 is the game&apos;s name.</extracomment>
        <translation>&amp;Acerca de %1...</translation>
    </message>
    <message>
        <source>Quit?</source>
        <translation>¿Salir?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit the current game?</source>
        <translation>¿Seguro que quieres abandonar la partida en curso?</translation>
    </message>
    <message numerus="yes">
        <source>%1 has gone out.  Everybody else gets one more roll to try and beat %n points.</source>
        <extracomment>%1 is the player&apos;s name, %n their final score.</extracomment>
        <translation>
            <numerusform>%1 ha llegado a la meta. Los demás tienen una última tirada para intentar superar %n punto.</numerusform>
            <numerusform>%1 ha llegado a la meta. Los demás tienen una última tirada para intentar superar %n puntos.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>zarvel::frmNewGame</name>
    <message>
        <source>Start New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Column heading over the players&apos; names.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Computer Player?</source>
        <extracomment>Column heading over the boxes that make a seat a computer player.</extracomment>
        <translation>¿Máquina?</translation>
    </message>
    <message>
        <source>Computer Style</source>
        <extracomment>Column heading over the lists of how each computer player plays.</extracomment>
        <translation>Estilo de la máquina</translation>
    </message>
    <message>
        <source>Name of player %1</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>Computer Player %1</source>
        <extracomment>%1 is the seat&apos;s number.</extracomment>
        <translation>Máquina en el puesto %1</translation>
    </message>
    <message>
        <source>Style of player %1</source>
        <translation>Estilo del jugador %1</translation>
    </message>
    <message>
        <source>Number of Players:</source>
        <translation>Número de jugadores:</translation>
    </message>
    <message>
        <source>Play to:</source>
        <extracomment>Over the choice of the target score that ends the game.</extracomment>
        <translation>Jugar hasta:</translation>
    </message>
    <message>
        <source>&quot;Break In&quot; Score:</source>
        <extracomment>Over the choice of the points a player must make in one turn before the first banking.</extracomment>
        <translation>Entrada mínima:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Test Mode</source>
        <translation>Modo de prueba</translation>
    </message>
    <message>
        <source>Enter Test Mode ?</source>
        <translation>¿Entrar en el modo de prueba?</translation>
    </message>
    <message>
        <source>One</source>
        <extracomment>How many players play: the choices under &quot;Number of Players:&quot;.</extracomment>
        <translation>Uno</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Tres</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Cuatro</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinco</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Seis</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Siete</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Ocho</translation>
    </message>
</context>
<context>
    <name>zarvel::frmScorePad</name>
    <message>
        <source>Score Pad</source>
        <translation>Marcador</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>Column heading over the players&apos; names.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Score</source>
        <extracomment>Column heading over the players&apos; scores.</extracomment>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>(Playing to %1)</source>
        <extracomment>%1 is the target score that ends the game.</extracomment>
        <translation>(Se juega a %1)</translation>
    </message>
    <message>
        <source>(%1 to break in)</source>
        <extracomment>%1 is the points a player must make in one turn before the first banking.</extracomment>
        <translation>(%1 para entrar)</translation>
    </message>
    <message>
        <source>Game %1 of %2</source>
        <translation>Partida %1 de %2</translation>
    </message>
</context>
<context>
    <name>zarvel::frmStatistics</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>&amp;Target:</source>
        <translation>&amp;Meta:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Estilo</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Partidas</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Win %</source>
        <translation>% victorias</translation>
    </message>
    <message>
        <source>Best score</source>
        <translation>Mejor partida</translation>
    </message>
    <message>
        <source>Average score</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Best turn</source>
        <translation>Mejor turno</translation>
    </message>
    <message>
        <source>Points per turn</source>
        <translation>Puntos por turno</translation>
    </message>
    <message>
        <source>Zarvel %</source>
        <translation>% Zarvel</translation>
    </message>
    <message>
        <source>Share of turns that ended in a Zarvel</source>
        <translation>Porcentaje de turnos que acabaron en Zarvel</translation>
    </message>
    <message>
        <source>Most points banked in one turn</source>
        <translation>Máximo de puntos anotados en un turno</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>&amp;Players</source>
        <translation>&amp;Jugadores</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>&amp;Computer styles</source>
        <translation>&amp;Estilos de la máquina</translation>
    </message>
    <message>
        <source>Computer styles</source>
        <translation>Estilos de la máquina</translation>
    </message>
    <message>
        <source>&amp;High scores</source>
        <translation>&amp;Récords</translation>
    </message>
    <message>
        <source>High scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Borrar...</translation>
    </message>
    <message>
        <source>&amp;Export to CSV...</source>
        <translation>E&amp;xportar a CSV...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Export to CSV</source>
        <translation>Exportar a CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Sort &amp;Ascending</source>
        <translation>Orden &amp;ascendente</translation>
    </message>
    <message>
        <source>Sort &amp;Descending</source>
        <translation>Orden &amp;descendente</translation>
    </message>
    <message>
        <source>All targets</source>
        <translation>Todas las metas</translation>
    </message>
    <message>
        <source>No statistics: the game records could not be opened.</source>
        <translation>No hay estadísticas: no se pudo abrir el historial de partidas.</translation>
    </message>
    <message>
        <source>No games recorded yet.</source>
        <translation>Todavía no hay partidas registradas.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>a computer seat&apos;s name and style</comment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Delete every recorded game, not only those played to %1? The statistics and high scores of all targets start again from nothing.</source>
        <translation>¿Borrar todas las partidas registradas, no solo las jugadas a %1? Las estadísticas y los récords de todas las metas vuelven a empezar de cero.</translation>
    </message>
    <message>
        <source>Delete every recorded game? The statistics and high scores start again from nothing.</source>
        <translation>¿Borrar todas las partidas registradas? Las estadísticas y los récords vuelven a empezar de cero.</translation>
    </message>
    <message>
        <source>The recorded games could not be deleted.</source>
        <translation>No se pudieron borrar las partidas registradas.</translation>
    </message>
    <message>
        <source>The statistics could not be exported to %1: %2</source>
        <translation>No se pudieron exportar las estadísticas a %1: %2</translation>
    </message>
    <message>
        <source>Exported to %1.</source>
        <translation>Exportado a %1.</translation>
    </message>
</context>
</TS>
