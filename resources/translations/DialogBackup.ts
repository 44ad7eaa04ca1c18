<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogBackup</name>
    <message>
        <source>  Sauvegarde  </source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Emplacement</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Parcourir...</source>
        <translation>  Browse  </translation>
    </message>
    <message>
        <source>Créer une copie de sauvegarde</source>
        <translation>Create backup copy</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <source> La sauvegarde a été complétée avec succès.</source>
        <translation>Backups are successful</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
</context>
</TS>
