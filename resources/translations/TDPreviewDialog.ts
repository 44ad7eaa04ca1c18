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
</context>
</TS>
