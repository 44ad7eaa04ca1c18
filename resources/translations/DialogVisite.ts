<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogVisite</name>
    <message>
        <source>Traitments</source>
        <translation>Treatments</translation>
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
        <source>Visite           </source>
        <translation>Visit           </translation>
    </message>
    <message>
        <source>Motif : </source>
        <translation>Reason: </translation>
    </message>
    <message>
        <source>Diagnostique : </source>
        <translation>Diagnosis: </translation>
    </message>
    <message>
        <source>Date : </source>
        <translation>Date: </translation>
    </message>
    <message>
        <source>Type de prothèse : </source>
        <translation>Prosthesis type: </translation>
    </message>
    <message>
        <source>&amp;Nouveau </source>
        <translation>&amp;New </translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>&amp;Modifier </source>
        <translation>&amp;Edit </translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>&amp;Supprimer </source>
        <translation>&amp;Delete </translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source> &amp;Radio      </source>
        <translation> &amp;X-ray      </translation>
    </message>
    <message>
        <source>Avertissement </source>
        <translation>Warning </translation>
    </message>
    <message>
        <source>Etes-vous sûr de vouloir supprimer </source>
        <translation>Are you sure you want to delete </translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Radio : </source>
        <translation>X-ray: </translation>
    </message>
</context>
</TS>
