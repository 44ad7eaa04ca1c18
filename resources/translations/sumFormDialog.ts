<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>sumFormDialog</name>
    <message>
        <source>Comptabilité</source>
        <translation>Accounting</translation>
    </message>
    <message>
        <source>Par jour                </source>
        <translation>Per day</translation>
    </message>
    <message>
        <source>Par patient         </source>
        <translation>Per patient</translation>
    </message>
    <message>
        <source>Entre :  </source>
        <translation>Between: </translation>
    </message>
    <message>
        <source>et : </source>
        <translation>and: </translation>
    </message>
    <message>
        <source>Frais : </source>
        <translation>Fees: </translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Payement : </source>
        <translation>Payments: </translation>
    </message>
    <message>
        <source>Reste : </source>
        <translation>Balance: </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
