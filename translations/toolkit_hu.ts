<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- Texts of the toolkit's file dialogs that the system's Hungarian Qt translation lacks:
     it has them under QFileDialog, where Qt 5 looked them up, while Qt 6 asks for them under
     QAbstractFileIconProvider. The translations are that file's own. Compiled beside the
     program's translations; lupdate never touches this file. -->
<TS version="2.1" language="hu_HU">
<context>
    <name>QAbstractFileIconProvider</name>
    <message>
        <source>File</source>
        <translation>Fájl</translation>
    </message>
    <message>
        <source>Alias</source>
        <translation>Álnév</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Meghajtó</translation>
    </message>
    <message>
        <source>File Folder</source>
        <translation>Fájlmappa</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Mappa</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Ismeretlen</translation>
    </message>
    <message>
        <source>Shortcut</source>
        <translation>Parancsikon</translation>
    </message>
</context>
</TS>
