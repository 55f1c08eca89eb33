<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
</TS>
