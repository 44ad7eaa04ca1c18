<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>DialogTraitement</name>
    <message>
        <source>Traitement</source>
        <translation>Treatment</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Médecin traitant</source>
        <translation>Treating doctor</translation>
    </message>
    <message>
        <source>&amp;Traitement    </source>
        <translation>&amp;Treatment    </translation>
    </message>
    <message>
        <source>&amp;Acte  :   </source>
        <translation>&amp;Act  :   </translation>
    </message>
    <message>
        <source>Frai&amp;s :</source>
        <translation>&amp;Fee :</translation>
    </message>
    <message>
        <source>&amp;Reste :  </source>
        <translation>&amp;Balance :  </translation>
    </message>
    <message>
        <source>Pa&amp;yement</source>
        <translation>Pa&amp;yment</translation>
    </message>
    <message>
        <source> Radio </source>
        <translation> X-ray </translation>
    </message>
    <message>
        <source>Parcourir ...</source>
        <translation>Browse ...</translation>
    </message>
    <message>
        <source>Effacer l&apos;image</source>
        <translation>Clear the image</translation>
    </message>
    <message>
        <source>&amp;Ordonnance    </source>
        <translation>&amp;Prescription    </translation>
    </message>
    <message>
        <source>Te&amp;xte : </source>
        <translation>Te&amp;xt : </translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>F12</source>
        <translation>F12</translation>
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
        <source>Visite N </source>
        <translation>Visit No. </translation>
    </message>
    <message>
        <source> /  Traitement N </source>
        <translation> /  Treatment No. </translation>
    </message>
    <message>
        <source>Visite N° </source>
        <translation>Visit No. </translation>
    </message>
    <message>
        <source> /  Nouveau Traitement </source>
        <translation> /  New Treatment </translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <source>Images (*.png *.bmp *.jpg *.jpeg)</source>
        <translation>Images (*.png *.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>Le traitement n&apos;a pas été enregistré :
</source>
        <translation>The treatment was not saved:
</translation>
    </message>
</context>
</TS>
