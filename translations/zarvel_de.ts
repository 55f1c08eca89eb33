<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
</TS>
