<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: %1 [option]</source>
        <translation>Uso: %1 [opción]</translation>
    </message>
    <message>
        <source>A dice game for one to eight players at one computer.</source>
        <translation>Un juego de dados para uno a ocho jugadores en un mismo ordenador.</translation>
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
</TS>
