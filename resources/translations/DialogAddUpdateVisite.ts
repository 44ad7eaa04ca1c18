<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogAddUpdateVisite</name>
    <message>
        <source>Visite</source>
        <translation>Visit</translation>
    </message>
    <message>
        <source>Patient         </source>
        <translation>Patient         </translation>
    </message>
    <message>
        <source>Nom : </source>
        <translation>Name: </translation>
    </message>
    <message>
        <source>Âge</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>Antécédents</source>
        <translation>Medical history</translation>
    </message>
    <message>
        <source>Visite             </source>
        <translation>Visit             </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Motif</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Diagnostique</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <source>Type </source>
        <translation>Type </translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>A&amp;nnuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Nouveau Visite </source>
        <translation>New Visit </translation>
    </message>
    <message>
        <source>Visite N° </source>
        <translation>Visit No. </translation>
    </message>
    <message>
        <source>La visite n&apos;a pas été enregistrée :
</source>
        <translation>The visit was not saved:
</translation>
    </message>
</context>
</TS>
