<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogRendezVous</name>
    <message>
        <source>Liste des rendez-vous</source>
        <translation>Appointments</translation>
    </message>
    <message>
        <source>Patient         </source>
        <translation>Patient</translation>
    </message>
    <message>
        <source>Nom : </source>
        <translation>Name : </translation>
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
        <source>&amp;Rendez-vous  :  </source>
        <translation>&amp;Appointments  :  </translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Modifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Supprimer   </source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Supprimer un rendez-vous</source>
        <translation>Delete an appointment</translation>
    </message>
    <message>
        <source>&amp;Fermer </source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Rendez-vous pour : </source>
        <translation>Appointments for : </translation>
    </message>
    <message>
        <source> ans</source>
        <translation> years</translation>
    </message>
</context>
</TS>
