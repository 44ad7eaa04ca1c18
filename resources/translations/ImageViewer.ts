<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>ImageViewer</name>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <source>&amp;Imprimer...</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Aperçu</source>
        <translation>preview</translation>
    </message>
    <message>
        <source>&amp;Taille Normal</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <source>&amp;Taille de la fenêtre</source>
        <translation>Window size</translation>
    </message>
    <message>
        <source>Zoom &amp;In (25%)</source>
        <translation>Zoom &amp;In (25%)</translation>
    </message>
    <message>
        <source>Zoom &amp;Out (25%)</source>
        <translation>Zoom &amp;Out (25%)</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Image Viewer</source>
        <translation>Image Viewer</translation>
    </message>
    <message>
        <source>Cannot load %1.</source>
        <translation>Cannot load %1.</translation>
    </message>
</context>
</TS>
