<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogPatientRV</name>
    <message>
        <source>Prendre rendez-vous</source>
        <translation>Book an appointment</translation>
    </message>
    <message>
        <source>Rendez-vous     </source>
        <translation>Appointment</translation>
    </message>
    <message>
        <source>Traitement :     </source>
        <translation>Treatment :     </translation>
    </message>
    <message>
        <source>Détails       </source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Fermer  </source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Nouveau Rendez-vous </source>
        <translation>New appointment</translation>
    </message>
    <message>
        <source>Rendez-vous N° </source>
        <translation>Appointment No. </translation>
    </message>
    <message>
        <source> rendez-vous</source>
        <translation> appointment(s)</translation>
    </message>
</context>
</TS>
