<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>MainWindow</name>
    <message>
        <source>Kelvora 1.4</source>
        <translation>Kelvora 1.4</translation>
    </message>
    <message>
        <source>                   Patient                 </source>
        <translation>                   Patient                 </translation>
    </message>
    <message>
        <source>Nouveau patient (F1)</source>
        <translation>New patient (F1)</translation>
    </message>
    <message>
        <source>Recherche (F3)</source>
        <translation>Search (F3)</translation>
    </message>
    <message>
        <source>&amp;Patient</source>
        <translation>&amp;Patient</translation>
    </message>
    <message>
        <source>Dossier patient (F2)</source>
        <translation>Patient record (F2)</translation>
    </message>
    <message>
        <source>Nouveau rendez-vous</source>
        <translation>New appointment</translation>
    </message>
    <message>
        <source>&amp;Rendez-vous</source>
        <translation>&amp;Appointment</translation>
    </message>
    <message>
        <source>Visites </source>
        <translation>Visits </translation>
    </message>
    <message>
        <source>Nouveau visite</source>
        <translation>New visit</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Modifier visite</source>
        <translation>Edit visit</translation>
    </message>
    <message>
        <source>&amp;Modifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Suppr</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source> Actes  </source>
        <translation> Treatments  </translation>
    </message>
    <message>
        <source>        Visites                    </source>
        <translation>        Visits                    </translation>
    </message>
    <message>
        <source>Toutes les visites         </source>
        <translation>All visits         </translation>
    </message>
    <message>
        <source>     Tous les Rendez-vous       </source>
        <translation>     All appointments       </translation>
    </message>
    <message>
        <source>   Tous les Rendez-vous  :  </source>
        <translation>   All appointments  :  </translation>
    </message>
    <message>
        <source>&amp;Rendez-vous : </source>
        <translation>&amp;Appointments : </translation>
    </message>
    <message>
        <source>Le</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Imprimer (F12)</source>
        <translation>Print (F12)</translation>
    </message>
    <message>
        <source>Imprimer la liste (F12)</source>
        <translation>Print the list (F12)</translation>
    </message>
    <message>
        <source>&amp;Actualiser</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <source>Im&amp;primer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Patient : </source>
        <translation>Patient : </translation>
    </message>
    <message>
        <source>Marquer : </source>
        <translation>Mark : </translation>
    </message>
    <message>
        <source>   Aide          </source>
        <translation>   Help          </translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <source>Barre de l&apos;utilisateur</source>
        <translation>User bar</translation>
    </message>
    <message>
        <source>Dossier</source>
        <translation>File</translation>
    </message>
    <message>
        <source>       Dossier       </source>
        <translation>       File       </translation>
    </message>
    <message>
        <source>Visites  (F4)</source>
        <translation>Visits  (F4)</translation>
    </message>
    <message>
        <source>Visites pour le patient actuel (F4)</source>
        <translation>Visits of the current patient (F4)</translation>
    </message>
    <message>
        <source>Visites</source>
        <translation>Visits</translation>
    </message>
    <message>
        <source>     Visites    </source>
        <translation>     Visits    </translation>
    </message>
    <message>
        <source>Toutes les visites</source>
        <translation>All visits</translation>
    </message>
    <message>
        <source>Planning</source>
        <translation>Planning</translation>
    </message>
    <message>
        <source>      Planning       </source>
        <translation>      Planning       </translation>
    </message>
    <message>
        <source>La liste de tous les rendez-vous (F6)</source>
        <translation>The list of all appointments (F6)</translation>
    </message>
    <message>
        <source>Comptabilité</source>
        <translation>Accounting</translation>
    </message>
    <message>
        <source>Informations de comptabilité (F7)</source>
        <translation>Accounting information (F7)</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>       Options        </source>
        <translation>       Options        </translation>
    </message>
    <message>
        <source>Configuration  (F8)</source>
        <translation>Settings  (F8)</translation>
    </message>
    <message>
        <source>Configuration (F8)</source>
        <translation>Settings (F8)</translation>
    </message>
    <message>
        <source>Sauvegarde</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>     Quitter      </source>
        <translation>     Quit      </translation>
    </message>
    <message>
        <source>Quitter l&apos;application</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <source> About</source>
        <translation> About</translation>
    </message>
    <message>
        <source>      About       </source>
        <translation>      About       </translation>
    </message>
    <message>
        <source>Contactez moi</source>
        <translation>Contact me</translation>
    </message>
    <message>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>        Aide       </source>
        <translation>        Help       </translation>
    </message>
    <message>
        <source>Aide en video</source>
        <translation>Video help</translation>
    </message>
    <message>
        <source>&amp;RECHERCHE</source>
        <translation>&amp;SEARCH</translation>
    </message>
    <message>
        <source>   RECHERCHE  </source>
        <translation>   SEARCH  </translation>
    </message>
    <message>
        <source>Rendez-vous</source>
        <translation>Appointment</translation>
    </message>
    <message>
        <source>   Rendez-vous  </source>
        <translation>   Appointment  </translation>
    </message>
    <message>
        <source>Prendre un rendez-vous</source>
        <translation>Book an appointment</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Réduire</source>
        <translation>&amp;Minimize</translation>
    </message>
    <message>
        <source>Table de tous les rendez-vous</source>
        <translation>Table of all appointments</translation>
    </message>
    <message>
        <source>L&apos;utilisateur: </source>
        <translation>User: </translation>
    </message>
    <message>
        <source>About  Kelvora 1.4</source>
        <translation>About  Kelvora 1.4</translation>
    </message>
    <message>
        <source>C&apos;est une application de gestion d&apos;un cabinet dentaire</source>
        <translation>An application that runs a dental office</translation>
    </message>
    <message>
        <source>&lt;br&gt;&lt;br&gt;Kelvora 1.4 — conçu et réalisé par l&apos;équipe Kelvora.&lt;br&gt;Aide et nouvelles : kelvora.example</source>
        <translation>&lt;br&gt;&lt;br&gt;Kelvora 1.4 — designed and built by the Kelvora team.&lt;br&gt;Help and news: kelvora.example</translation>
    </message>
    <message>
        <source>Etes-vous sûr de vouloir supprimer </source>
        <translation>Are you sure you want to delete </translation>
    </message>
    <message>
        <source>Avertissement </source>
        <translation>Warning </translation>
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
