<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>LoginUser</name>
    <message>
        <source>Authentification Kelvora</source>
        <translation>Kelvora Login</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <source>Nom d&apos;utilisateur</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>Mot de passe</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Utilisateur                                                     </source>
        <translation>User</translation>
    </message>
    <message>
        <source>  Serveur            </source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Base de données  :  </source>
        <translation>Database</translation>
    </message>
    <message>
        <source>Sur cette machine </source>
        <translation>Local machine</translation>
    </message>
    <message>
        <source>Sur une autre machine </source>
        <translation>Distant machine</translation>
    </message>
    <message>
        <source>Emplacement: </source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Database (*.mdb)</source>
        <translation>Database (*.mdb)</translation>
    </message>
    <message>
        <source>Kelvora 1.4 - Dental Office Practice Management Software</source>
        <translation>Kelvora 1.4 - Dental Office Practice Management Software</translation>
    </message>
    <message>
        <source>v 1.3</source>
        <translation type="obsolete">v 1.3</translation>
    </message>
</context>
</TS>
