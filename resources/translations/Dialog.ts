<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>Dialog</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;AutoComplétion</source>
        <translation>Auto completion</translation>
    </message>
    <message>
        <source>Actes       </source>
        <translation>Treatments
</translation>
    </message>
    <message>
        <source>Motif         </source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Diagnostique       </source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Type de prothèse  </source>
        <translation>Prosthesis type</translation>
    </message>
    <message>
        <source>Médicament</source>
        <translation>Medicament</translation>
    </message>
    <message>
        <source>Antécédents G</source>
        <translation>Medical &amp;&amp; Dental history 1</translation>
    </message>
    <message>
        <source>Antécédents L</source>
        <translation>Medical &amp;&amp; Dental history 2</translation>
    </message>
    <message>
        <source>&amp;Utilisateurs   </source>
        <translation>&amp;Users</translation>
    </message>
    <message>
        <source>Ajoute une ligne à la liste affichée</source>
        <translation>Adds a row to the list shown</translation>
    </message>
    <message>
        <source>&amp;Nouvelle ligne</source>
        <translation>&amp;New row</translation>
    </message>
    <message>
        <source>Supprime la ligne sélectionnée de la liste affichée</source>
        <translation>Deletes the selected row of the list shown</translation>
    </message>
    <message>
        <source>&amp;Supprimer la ligne</source>
        <translation>&amp;Delete row</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Supprimer la ligne « %1 » de la liste ?</source>
        <translation>Delete the row « %1 » from the list?</translation>
    </message>
</context>
</TS>
