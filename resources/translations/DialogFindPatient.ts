<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogFindPatient</name>
    <message>
        <source>Rechercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Patients    </source>
        <translation>Patients    </translation>
    </message>
    <message>
        <source>N&amp;om :</source>
        <translation>N&amp;ame :</translation>
    </message>
    <message>
        <source>Nom du patient</source>
        <translation>Patient&apos;s name</translation>
    </message>
    <message>
        <source>Recherche d&apos;un nouveau patient</source>
        <translation>Search for a patient</translation>
    </message>
    <message>
        <source>Ajouter un nouveau patient</source>
        <translation>Add a new patient</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>&amp;Modifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>&amp;Fermer   </source>
        <translation>&amp;Close   </translation>
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
        <source>&lt;br&gt;Le nom : </source>
        <translation>&lt;br&gt;Name : </translation>
    </message>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
</context>
</TS>
