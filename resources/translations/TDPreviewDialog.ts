<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>TDPreviewDialog</name>
    <message>
        <source>Aperçu avant l&apos;impression</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Nom et Prénom</source>
        <translation>Full Name</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Select Page</source>
        <translation>Select Page</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <source>Type page number here</source>
        <translation>Type page number here</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <source>Page Settings</source>
        <translation>Page Settings</translation>
    </message>
    <message>
        <source>Print Document</source>
        <translation>Print Document</translation>
    </message>
</context>
</TS>
