<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogAddUpdatePatient</name>
    <message>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <source> Patient                 </source>
        <translation> Patient                 </translation>
    </message>
    <message>
        <source>N° Dossier</source>
        <translation>File No.</translation>
    </message>
    <message>
        <source>Nom  </source>
        <translation>Name  </translation>
    </message>
    <message>
        <source>Nom et Prénom</source>
        <translation>Surname and first name</translation>
    </message>
    <message>
        <source>Âge</source>
        <translation>Age</translation>
    </message>
    <message>
        <source>&amp;Année de nais.</source>
        <translation>&amp;Year of birth</translation>
    </message>
    <message>
        <source>Année de naissance</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <source>Sexe</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Tel</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Antécédents généraux          </source>
        <translation>General medical history          </translation>
    </message>
    <message>
        <source>Antécédents Locaux</source>
        <translation>Dental history</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Dette </source>
        <translation>Debt </translation>
    </message>
    <message>
        <source>SOINS              Frais : </source>
        <translation>CARE              Fees : </translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Payement : </source>
        <translation>Paid : </translation>
    </message>
    <message>
        <source>Reste : </source>
        <translation>Balance : </translation>
    </message>
    <message>
        <source>PROTHESE      Frais : </source>
        <translation>PROSTHESIS      Fees : </translation>
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
        <source>Nouveau patient </source>
        <translation>New patient </translation>
    </message>
    <message>
        <source>Avertissement </source>
        <translation>Warning </translation>
    </message>
</context>
</TS>
