<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="fr_FR">
<context>
    <name>AppointmentGrid</name>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="144"/>
        <source>Grille des rendez-vous</source>
        <translation>Appointment grid</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="145"/>
        <source>Jour précédent (Page précédente)</source>
        <translation>Previous day (Page Up)</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="146"/>
        <source>Jour suivant (Page suivante)</source>
        <translation>Next day (Page Down)</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="147"/>
        <source>Aujourd&apos;hui</source>
        <translation>Today</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="148"/>
        <source>&amp;Semaine</source>
        <translation>&amp;Week</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="149"/>
        <source>Im&amp;primer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="150"/>
        <source>Imprimer la grille (Ctrl+P)</source>
        <translation>Print the grid (Ctrl+P)</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="151"/>
        <source>Marquer : </source>
        <translation>Mark: </translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="156"/>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="157"/>
        <source>Double clic ou Entrée : ouvrir ou prendre un rendez-vous ; glisser : déplacer ; Page précédente / suivante : changer de jour</source>
        <translation>Double click or Return: open or book an appointment; drag: move; Page Up / Page Down: change the day</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="241"/>
        <source>libre</source>
        <translation>free</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="299"/>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="316"/>
        <source>Avertissement </source>
        <translation>Warning </translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="300"/>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="317"/>
        <source>Un autre poste a changé ce rendez-vous entre-temps : la grille montre maintenant ce qui est enregistré.</source>
        <translation>Another workstation changed this appointment meanwhile: the grid now shows what is stored.</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="333"/>
        <source>Semaine du %1 au %2</source>
        <translation>Week of %1 to %2</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="340"/>
        <source>Rendez-vous : %1</source>
        <translation>Appointments: %1</translation>
    </message>
    <message>
        <location filename="../../src/appointments/appointmentgrid.cpp" line="358"/>
        <source>Aperçu avant impression</source>
        <translation>Print preview</translation>
    </message>
</context>
<context>
    <name>BackupWatch</name>
    <message>
        <location filename="../../src/config/backupwatch.cpp" line="51"/>
        <source>Dernière sauvegarde vérifiée : %1</source>
        <translation>Last verified backup: %1</translation>
    </message>
    <message>
        <location filename="../../src/config/backupwatch.cpp" line="52"/>
        <source>Aucune sauvegarde vérifiée</source>
        <translation>No verified backup</translation>
    </message>
    <message>
        <location filename="../../src/config/backupwatch.cpp" line="53"/>
        <source>Faites une sauvegarde (Sauvegarde) : la dernière a plus d&apos;une semaine ou manque.</source>
        <translation>Make a backup (Backup): the last one is more than a week old or missing.</translation>
    </message>
    <message>
        <location filename="../../src/config/backupwatch.cpp" line="76"/>
        <source>Sauvegarde du jour en cours...</source>
        <translation>Making the backup of the day...</translation>
    </message>
    <message>
        <location filename="../../src/config/backupwatch.cpp" line="86"/>
        <source>La sauvegarde du jour a échoué</source>
        <translation>The backup of the day failed</translation>
    </message>
</context>
<context>
    <name>ColumnTitles</name>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="18"/>
        <location filename="../../src/widgets/columntitles.cpp" line="43"/>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="19"/>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="20"/>
        <source>Âge</source>
        <translation>Age</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="21"/>
        <source>Année de naissance</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="22"/>
        <source>Sexe</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="23"/>
        <source>Téléphone</source>
        <translation>Phone</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="24"/>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="25"/>
        <source>Antécédents généraux</source>
        <translation>Medical history</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="26"/>
        <source>Antécédents dentaires</source>
        <translation>Dental history</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="27"/>
        <source>Autres</source>
        <translation>Other</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="28"/>
        <source>N° de dossier</source>
        <translation>File No.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="30"/>
        <source>N° du patient</source>
        <translation>Patient No.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="31"/>
        <location filename="../../src/widgets/columntitles.cpp" line="32"/>
        <source>N° de visite</source>
        <translation>Visit No.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="33"/>
        <location filename="../../src/widgets/columntitles.cpp" line="34"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="35"/>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="36"/>
        <source>Motif</source>
        <translation>Reason</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="37"/>
        <source>Diagnostic</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="38"/>
        <source>Type de prothèse</source>
        <translation>Prosthesis type</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="39"/>
        <source>Total des frais</source>
        <translation>Total fees</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="40"/>
        <source>Total payé</source>
        <translation>Total paid</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="41"/>
        <source>Reste</source>
        <translation>Balance</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="44"/>
        <source>Acte</source>
        <translation>Treatment</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="45"/>
        <source>Frais</source>
        <translation>Fee</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="46"/>
        <source>Payement</source>
        <translation>Payment</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="47"/>
        <source>Frais de prothèse</source>
        <translation>Prosthesis fee</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="48"/>
        <source>Médecin traitant</source>
        <translation>Treating doctor</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="49"/>
        <source>Médecin</source>
        <translation>Doctor</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="50"/>
        <source>N° du médecin</source>
        <translation>Doctor No.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="51"/>
        <source>Ordonnance</source>
        <translation>Prescription</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="52"/>
        <source>Radio</source>
        <translation>Radiograph</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="54"/>
        <source>N° de rendez-vous</source>
        <translation>Appointment No.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="55"/>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="56"/>
        <source>État</source>
        <translation>State</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="57"/>
        <source>Acte prévu</source>
        <translation>Planned treatment</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="59"/>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="60"/>
        <source>Médicament</source>
        <translation>Medicines</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="61"/>
        <source>Antécédent</source>
        <translation>History entry</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="62"/>
        <source>Nom d&apos;utilisateur</source>
        <translation>User name</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="63"/>
        <source>Mot de passe</source>
        <translation>Password</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="64"/>
        <source>Rôle</source>
        <translation>Role</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="65"/>
        <source>Nom du médecin</source>
        <translation>Doctor&apos;s name</translation>
    </message>
    <message>
        <location filename="../../src/widgets/columntitles.cpp" line="66"/>
        <source>Pied d&apos;ordonnance</source>
        <translation>Prescription footer</translation>
    </message>
</context>
<context>
    <name>DeletionQuestion</name>
    <message>
        <location filename="../../src/widgets/deletionquestion.cpp" line="9"/>
        <source>Etes-vous sûr de vouloir supprimer </source>
        <translation>Are you sure you want to delete </translation>
    </message>
    <message>
        <location filename="../../src/widgets/deletionquestion.cpp" line="11"/>
        <source>Avertissement </source>
        <translation>Warning </translation>
    </message>
    <message>
        <location filename="../../src/widgets/deletionquestion.cpp" line="14"/>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location filename="../../src/widgets/deletionquestion.cpp" line="16"/>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>Dialog</name>
    <message>
        <location filename="../../src/config/dialog.ui" line="20"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="179"/>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="33"/>
        <source>&amp;AutoComplétion</source>
        <translation>Auto completion</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="43"/>
        <source>Actes       </source>
        <translation>Acts</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="53"/>
        <source>Motif         </source>
        <translation>Reasons</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="63"/>
        <source>Diagnostique       </source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="73"/>
        <source>Type de prothèse  </source>
        <translation>Prosthesis type</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="83"/>
        <source>Médicament</source>
        <translation>Medicines</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="93"/>
        <source>Antécédents G</source>
        <translation>Medical &amp;&amp; Dental history 1</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="103"/>
        <source>Antécédents L</source>
        <translation>Medical &amp;&amp; Dental history 2</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="117"/>
        <source>&amp;Utilisateurs   </source>
        <translation>&amp;Users</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="132"/>
        <source>Ajoute une ligne à la liste affichée</source>
        <translation>Adds a row to the list shown</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="135"/>
        <source>&amp;Nouvelle ligne</source>
        <translation>&amp;New row</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="149"/>
        <source>Supprime la ligne sélectionnée de la liste affichée</source>
        <translation>Deletes the selected row of the list shown</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.ui" line="152"/>
        <source>&amp;Supprimer la ligne</source>
        <translation>&amp;Delete row</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.cpp" line="164"/>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../../src/config/dialog.cpp" line="164"/>
        <source>Supprimer la ligne « %1 » de la liste ?</source>
        <translation>Delete the row « %1 » from the list?</translation>
    </message>
</context>
<context>
    <name>DialogAddUpdatePatient</name>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="17"/>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="34"/>
        <source> Patient                 </source>
        <translation> Patient                 </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="43"/>
        <source>N° Dossier</source>
        <translation>File No.</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="70"/>
        <source>Nom  </source>
        <translation>Name  </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="83"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="100"/>
        <source>Nom et Prénom</source>
        <translation>Surname and first name</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="107"/>
        <source>Âge</source>
        <translation>Age</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="155"/>
        <source>&amp;Année de nais.</source>
        <translation>&amp;Year of birth</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="200"/>
        <source>Année de naissance</source>
        <translation>Year of birth</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="222"/>
        <source>Sexe</source>
        <translation>Sex</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="256"/>
        <source>Tel</source>
        <translation>Phone</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="287"/>
        <source>Adresse</source>
        <translation>Address</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="318"/>
        <source>Antécédents généraux          </source>
        <translation>General medical history          </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="349"/>
        <source>Antécédents Locaux</source>
        <translation>Dental history</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="380"/>
        <source>Autres</source>
        <translation>Other</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="411"/>
        <source>Dette </source>
        <translation>Debt </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="424"/>
        <source>SOINS              Frais : </source>
        <translation>CARE              Fees : </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="441"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="480"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="519"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="565"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="604"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="643"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="463"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="587"/>
        <source>Payement : </source>
        <translation>Paid : </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="502"/>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="626"/>
        <source>Reste : </source>
        <translation>Balance : </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="548"/>
        <source>PROTHESE      Frais : </source>
        <translation>PROSTHESIS      Fees : </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="687"/>
        <source>&amp;Valider</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.ui" line="709"/>
        <source>A&amp;nnuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.cpp" line="80"/>
        <location filename="../../src/patients/dialogaddupdatepatient.cpp" line="270"/>
        <source>Nouveau patient </source>
        <translation>New patient </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogaddupdatepatient.cpp" line="226"/>
        <source>Un autre poste a supprimé ce patient : il ne peut plus être enregistré.</source>
        <translation>Another workstation deleted this patient: it can no longer be saved.</translation>
    </message>
</context>
<context>
    <name>DialogAddUpdateVisite</name>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="12"/>
        <source>Visite</source>
        <translation>Visit</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="23"/>
        <source>Patient         </source>
        <translation>Patient         </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="28"/>
        <source>Nom : </source>
        <translation>Name: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="40"/>
        <source>Âge</source>
        <translation>Age</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="52"/>
        <source>Antécédents</source>
        <translation>Medical history</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="72"/>
        <source>Visite             </source>
        <translation>Visit             </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="79"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="92"/>
        <source>Motif</source>
        <translation>Reason</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="103"/>
        <source>Diagnostique</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="114"/>
        <source>Type </source>
        <translation>Type </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="161"/>
        <source>&amp;Valider</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.ui" line="168"/>
        <source>A&amp;nnuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.cpp" line="110"/>
        <source> ans</source>
        <translation> years</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.cpp" line="114"/>
        <source>Nouveau Visite </source>
        <translation>New Visit </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.cpp" line="114"/>
        <source>Visite N° </source>
        <translation>Visit No. </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogaddupdatevisite.cpp" line="191"/>
        <source>Un autre poste a supprimé cette visite : elle ne peut plus être enregistrée.</source>
        <translation>Another workstation deleted this visit: it can no longer be saved.</translation>
    </message>
</context>
<context>
    <name>DialogBackup</name>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="19"/>
        <location filename="../../src/config/dialogbackup.ui" line="25"/>
        <source>  Sauvegarde  </source>
        <translation>Backup</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="31"/>
        <location filename="../../src/config/dialogbackup.cpp" line="49"/>
        <source>Emplacement</source>
        <translation>Path</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="41"/>
        <source>D:\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="48"/>
        <source>Parcourir...</source>
        <translation>  Browse  </translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="62"/>
        <source>Créer une copie de sauvegarde</source>
        <translation>Create backup copy</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="92"/>
        <source>&amp;Restaurer une sauvegarde...</source>
        <translation>&amp;Restore a backup...</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="102"/>
        <source>&amp;Vérifier la base...</source>
        <translation>&amp;Check the database...</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.ui" line="128"/>
        <source>Ok</source>
        <translation>Ok</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="64"/>
        <source>Dernière sauvegarde vérifiée : %1</source>
        <translation>Last verified backup: %1</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="66"/>
        <source>Aucune sauvegarde vérifiée dans ce dossier</source>
        <translation>No verified backup in this folder</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="87"/>
        <source> La sauvegarde a été complétée avec succès.</source>
        <translation>Backups are successful</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="114"/>
        <source>La base a été vérifiée : rien à signaler.</source>
        <translation>The database was checked: nothing to report.</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="115"/>
        <source>La base a été réparée : rien à signaler.</source>
        <translation>The database was repaired: nothing to report.</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="124"/>
        <source>La vérification a trouvé des problèmes dans la base.</source>
        <translation>The check found problems in the database.</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="125"/>
        <source>La base est endommagée : restaurez une sauvegarde vérifiée.</source>
        <translation>The database is damaged: restore a verified backup.</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="129"/>
        <source>&amp;Réparer</source>
        <translation>&amp;Repair</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="130"/>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogbackup.cpp" line="137"/>
        <source>Rien n&apos;a été réparé : la sauvegarde préalable a échoué.</source>
        <translation>Nothing was repaired: the backup made first failed.</translation>
    </message>
</context>
<context>
    <name>DialogFindPatient</name>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="17"/>
        <source>Rechercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="40"/>
        <source>Patients    </source>
        <translation>Patients    </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="48"/>
        <source>N&amp;om :</source>
        <translation>N&amp;ame :</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="84"/>
        <source>Nom du patient</source>
        <translation>Patient&apos;s name</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="87"/>
        <source>Recherche d&apos;un nouveau patient</source>
        <translation>Search for a patient</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="94"/>
        <location filename="../../src/patients/dialogfindpatient.ui" line="97"/>
        <location filename="../../src/patients/dialogfindpatient.ui" line="122"/>
        <location filename="../../src/patients/dialogfindpatient.ui" line="125"/>
        <location filename="../../src/patients/dialogfindpatient.ui" line="150"/>
        <location filename="../../src/patients/dialogfindpatient.ui" line="153"/>
        <source>Ajouter un nouveau patient</source>
        <translation>Add a new patient</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="100"/>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="112"/>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="128"/>
        <source>&amp;Modifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="140"/>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="156"/>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="168"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.ui" line="240"/>
        <source>&amp;Fermer   </source>
        <translation>&amp;Close   </translation>
    </message>
    <message>
        <location filename="../../src/patients/dialogfindpatient.cpp" line="151"/>
        <source>&lt;br&gt;Le nom : </source>
        <translation>&lt;br&gt;Name : </translation>
    </message>
</context>
<context>
    <name>DialogPatientRV</name>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.ui" line="14"/>
        <source>Prendre rendez-vous</source>
        <translation>Book an appointment</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.ui" line="24"/>
        <source>Rendez-vous     </source>
        <translation>Appointment</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.ui" line="32"/>
        <source>Traitement :     </source>
        <translation>Treatment :     </translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.ui" line="97"/>
        <source>Médecin :</source>
        <translation>Doctor:</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.ui" line="139"/>
        <source>Détails       </source>
        <translation>Details</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.ui" line="183"/>
        <source>&amp;Valider</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.ui" line="203"/>
        <source>&amp;Fermer  </source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.cpp" line="101"/>
        <source>Date et heure</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.cpp" line="166"/>
        <source>Nouveau Rendez-vous </source>
        <translation>New appointment</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.cpp" line="166"/>
        <source>Rendez-vous N° </source>
        <translation>Appointment No. </translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.cpp" line="188"/>
        <source> rendez-vous</source>
        <translation> appointment(s)</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogpatientrv.cpp" line="222"/>
        <source>Un autre poste a supprimé ce rendez-vous : il ne peut plus être enregistré.</source>
        <translation>Another workstation deleted this appointment: it can no longer be saved.</translation>
    </message>
</context>
<context>
    <name>DialogRendezVous</name>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="14"/>
        <source>Liste des rendez-vous</source>
        <translation>Appointments</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="24"/>
        <source>Patient         </source>
        <translation>Patient</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="30"/>
        <source>Nom : </source>
        <translation>Name : </translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="47"/>
        <source>Âge</source>
        <translation>Age</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="64"/>
        <source>Antécédents</source>
        <translation>Medical history</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="92"/>
        <source>&amp;Rendez-vous  :  </source>
        <translation>&amp;Appointments  :  </translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="115"/>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="132"/>
        <source>&amp;Modifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="152"/>
        <source>&amp;Supprimer   </source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="149"/>
        <source>Supprimer un rendez-vous</source>
        <translation>Delete an appointment</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="209"/>
        <source>&amp;Fermer </source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="122"/>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="139"/>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.ui" line="159"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.cpp" line="65"/>
        <source>Rendez-vous pour : </source>
        <translation>Appointments for : </translation>
    </message>
    <message>
        <location filename="../../src/appointments/dialogrendezvous.cpp" line="64"/>
        <source> ans</source>
        <translation> years</translation>
    </message>
</context>
<context>
    <name>DialogRestore</name>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="30"/>
        <source>Restaurer une sauvegarde</source>
        <translation>Restore a backup</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="32"/>
        <source>Sauvegardes de %1</source>
        <translation>Backups in %1</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="37"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="37"/>
        <source>Taille</source>
        <translation>Size</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="37"/>
        <source>Vérification</source>
        <translation>Check</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="53"/>
        <source>vérification...</source>
        <translation>checking...</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="61"/>
        <source>&amp;Restaurer</source>
        <translation>&amp;Restore</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="64"/>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="78"/>
        <source>bonne</source>
        <translation>good</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="78"/>
        <source>endommagée</source>
        <translation>damaged</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="90"/>
        <source>Remplacer toute la base ouverte par la sauvegarde du %1 ?
Une copie de sécurité de la base actuelle est faite d&apos;abord.</source>
        <translation>Replace the whole open database by the backup of %1?
A safety copy of the current database is made first.</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="94"/>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="95"/>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="104"/>
        <source>La sauvegarde n&apos;a pas été restaurée.</source>
        <translation>The backup was not restored.</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="111"/>
        <source>La sauvegarde du %1 a été restaurée.
Fermez Kelvora sur chaque poste et relancez-le.</source>
        <translation>The backup of %1 was restored.
Close Kelvora on every station and start it again.</translation>
    </message>
    <message>
        <location filename="../../src/config/dialogrestore.cpp" line="117"/>
        <source>Copie de sécurité de la base précédente : %1</source>
        <translation>Safety copy of the previous database: %1</translation>
    </message>
</context>
<context>
    <name>DialogTraitement</name>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="12"/>
        <source>Traitement</source>
        <translation>Treatment</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="22"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="44"/>
        <source>Médecin traitant</source>
        <translation>Treating doctor</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="60"/>
        <source>&amp;Traitement    </source>
        <translation>&amp;Treatment    </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="70"/>
        <source>&amp;Acte  :   </source>
        <translation>&amp;Act  :   </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="101"/>
        <source>Frai&amp;s :</source>
        <translation>&amp;Fee :</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="123"/>
        <source>&amp;Reste :  </source>
        <translation>&amp;Balance :  </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="143"/>
        <source>Pa&amp;yement</source>
        <translation>Pa&amp;yment</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="178"/>
        <source> Radio </source>
        <translation> X-ray </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="197"/>
        <source>Parcourir ...</source>
        <translation>Browse ...</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="214"/>
        <location filename="../../src/visits/dialogtraitement.ui" line="215"/>
        <source>Effacer l&apos;image</source>
        <translation>Clear the image</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="230"/>
        <source>&amp;Ordonnance    </source>
        <translation>&amp;Prescription    </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="234"/>
        <source>Te&amp;xte : </source>
        <translation>Te&amp;xt : </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="242"/>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="244"/>
        <source>F12</source>
        <translation>F12</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="276"/>
        <source>&amp;Valider</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.ui" line="283"/>
        <source>A&amp;nnuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="207"/>
        <source>Visite N </source>
        <translation>Visit No. </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="207"/>
        <source> /  Traitement N </source>
        <translation> /  Treatment No. </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="210"/>
        <source>Visite N° </source>
        <translation>Visit No. </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="210"/>
        <source> /  Nouveau Traitement </source>
        <translation> /  New Treatment </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="227"/>
        <source>Montant en dinars entiers : chiffres seulement</source>
        <translation>Whole dinars: digits only</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="326"/>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="327"/>
        <source>Images (*.png *.bmp *.jpg *.jpeg)</source>
        <translation>Images (*.png *.bmp *.jpg *.jpeg)</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogtraitement.cpp" line="453"/>
        <source>Un autre poste a supprimé ce traitement : il ne peut plus être enregistré.</source>
        <translation>Another workstation deleted this treatment: it can no longer be saved.</translation>
    </message>
</context>
<context>
    <name>DialogVisite</name>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="9"/>
        <source>Traitments</source>
        <translation>Treatments</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="18"/>
        <source>Patient         </source>
        <translation>Patient         </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="30"/>
        <source>Nom : </source>
        <translation>Name: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="41"/>
        <source>Âge</source>
        <translation>Age</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="52"/>
        <source>Antécédents</source>
        <translation>Medical history</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="72"/>
        <source>Visite           </source>
        <translation>Visit           </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="78"/>
        <source>Motif : </source>
        <translation>Reason: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="89"/>
        <source>Diagnostique : </source>
        <translation>Diagnosis: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="100"/>
        <source>Date : </source>
        <translation>Date: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="113"/>
        <source>Type de prothèse : </source>
        <translation>Prosthesis type: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="166"/>
        <source>&amp;Nouveau </source>
        <translation>&amp;New </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="168"/>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="174"/>
        <source>&amp;Modifier </source>
        <translation>&amp;Edit </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="176"/>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="182"/>
        <source>&amp;Supprimer </source>
        <translation>&amp;Delete </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="184"/>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="190"/>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.ui" line="211"/>
        <location filename="../../src/visits/dialogvisite.cpp" line="184"/>
        <source> &amp;Radio      </source>
        <translation> &amp;X-ray      </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.cpp" line="95"/>
        <source> ans</source>
        <translation> years</translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.cpp" line="334"/>
        <source>&lt;br&gt;Acte N° </source>
        <translation>&lt;br&gt;Treatment No. </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.cpp" line="334"/>
        <source>&lt;br&gt;Date  </source>
        <translation>&lt;br&gt;Date  </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.cpp" line="373"/>
        <source>Radio : </source>
        <translation>X-ray: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.cpp" line="378"/>
        <source>Patient: </source>
        <translation>Patient: </translation>
    </message>
    <message>
        <location filename="../../src/visits/dialogvisite.cpp" line="378"/>
        <source>  | Motif:</source>
        <translation>  | Reason:</translation>
    </message>
</context>
<context>
    <name>GridCanvas</name>
    <message>
        <location filename="../../src/appointments/gridcanvas.cpp" line="29"/>
        <source>Sans médecin</source>
        <translation>No doctor</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/appointments/gridcanvas.cpp" line="402"/>
        <source>Chevauchement : %n rendez-vous à la même heure</source>
        <translation>
            <numerusform>Overlap: %n appointment at the same time</numerusform>
            <numerusform>Overlap: %n appointments at the same time</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImageViewer</name>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="107"/>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="100"/>
        <source>&amp;Ouvrir...</source>
        <translation>&amp;Open</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="101"/>
        <source>&amp;Imprimer...</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="102"/>
        <source>&amp;Quitter</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="108"/>
        <source>&amp;Aperçu</source>
        <translation>preview</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="105"/>
        <source>&amp;Taille Normal</source>
        <translation>Normal size</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="106"/>
        <source>&amp;Taille de la fenêtre</source>
        <translation>Window size</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="103"/>
        <source>Zoom &amp;In (25%)</source>
        <translation>Zoom &amp;In (25%)</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="104"/>
        <source>Zoom &amp;Out (25%)</source>
        <translation>Zoom &amp;Out (25%)</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="138"/>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="143"/>
        <source>Image Viewer</source>
        <translation>Image Viewer</translation>
    </message>
    <message>
        <location filename="../../src/printing/imageviewer.cpp" line="143"/>
        <source>Cannot load %1.</source>
        <translation>Cannot load %1.</translation>
    </message>
</context>
<context>
    <name>LoginUser</name>
    <message>
        <location filename="../../src/app/loginuser.cpp" line="123"/>
        <source>Trop de mots de passe erronés pour cet utilisateur.
Nouvel essai possible dans %1 s.</source>
        <translation>Too many wrong passwords for this user.
Next try possible in %1 s.</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.cpp" line="163"/>
        <source>Mot de passe non valide.
Trop d&apos;essais pour cet utilisateur : nouvel essai possible dans %1 s.</source>
        <translation>Invalid password.
Too many tries for this user: next try possible in %1 s.</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="14"/>
        <source>Authentification Kelvora</source>
        <translation>Kelvora Login</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="95"/>
        <source>Login</source>
        <translation>Login</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="225"/>
        <source>Nom d&apos;utilisateur</source>
        <translation>User name</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="252"/>
        <source>Mot de passe</source>
        <translation>Password</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="185"/>
        <source>Utilisateur                                                     </source>
        <translation>User</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="135"/>
        <source>v 1.4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="276"/>
        <source>  Serveur            </source>
        <translation>Server</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="282"/>
        <source>Base de données  :  </source>
        <translation>Database</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="288"/>
        <source>Sur cette machine </source>
        <translation>Local machine</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="298"/>
        <source>Sur une autre machine </source>
        <translation>Distant machine</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="314"/>
        <source>Emplacement: </source>
        <translation>Path</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.cpp" line="102"/>
        <source>
Nom d&apos;utilisateur non valide ! 		
 </source>
        <translation>
Invalid user name! 		
 </translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.cpp" line="159"/>
        <source>
Mot de passe n&apos;est pas  valide !  		
</source>
        <translation>
Invalid password!  		
</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.cpp" line="178"/>
        <source>Open File</source>
        <translation>Open File</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="384"/>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="410"/>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.cpp" line="178"/>
        <source>Database (*.mdb)</source>
        <translation>Database (*.mdb)</translation>
    </message>
    <message>
        <location filename="../../src/app/loginuser.ui" line="111"/>
        <source>Kelvora 1.4 - Dental Office Practice Management Software</source>
        <translation>Kelvora 1.4 - Dental Office Practice Management Software</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="32"/>
        <source>Kelvora 1.4</source>
        <translation>Kelvora 1.4</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="74"/>
        <source>                   Patient                 </source>
        <translation>                   Patient                 </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="94"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="97"/>
        <source>Nouveau patient (F1)</source>
        <translation>New patient (F1)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="113"/>
        <source>F1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="126"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="129"/>
        <source>Recherche (F3)</source>
        <translation>Search (F3)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="132"/>
        <source>&amp;Patient</source>
        <translation>&amp;Patient</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="139"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1118"/>
        <source>F3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="146"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="149"/>
        <source>Dossier patient (F2)</source>
        <translation>Patient record (F2)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="159"/>
        <source>F2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="178"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="181"/>
        <source>Nouveau rendez-vous</source>
        <translation>New appointment</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="184"/>
        <source>&amp;Rendez-vous</source>
        <translation>&amp;Appointment</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="197"/>
        <source>F11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="300"/>
        <source>Visites </source>
        <translation>Visits </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="350"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="353"/>
        <source>Nouveau visite</source>
        <translation>New visit</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="356"/>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="367"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="370"/>
        <source>Modifier visite</source>
        <translation>Edit visit</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="373"/>
        <source>&amp;Modifier</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="384"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="387"/>
        <source>Suppr</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="390"/>
        <source>&amp;Supprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="431"/>
        <source> Actes  </source>
        <translation> Treatments  </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="456"/>
        <source>        Visites                    </source>
        <translation>        Visits                    </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="475"/>
        <source>Toutes les visites         </source>
        <translation>All visits         </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="555"/>
        <source>     Tous les Rendez-vous       </source>
        <translation>     All appointments       </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="561"/>
        <source>   Tous les Rendez-vous  :  </source>
        <translation>   All appointments  :  </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="569"/>
        <source>&amp;Rendez-vous : </source>
        <translation>&amp;Appointments : </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="589"/>
        <source>Le</source>
        <translation>On</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="621"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="653"/>
        <source>Imprimer (F12)</source>
        <translation>Print (F12)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="624"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="656"/>
        <source>Imprimer la liste (F12)</source>
        <translation>Print the list (F12)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="627"/>
        <source>&amp;Actualiser</source>
        <translation>&amp;Refresh</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="640"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="672"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1100"/>
        <source>F12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="659"/>
        <source>Im&amp;primer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="717"/>
        <source>Patient : </source>
        <translation>Patient : </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="740"/>
        <source>Marquer : </source>
        <translation>Mark : </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="759"/>
        <source>En attente</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="788"/>
        <source>Présent</source>
        <translation>Present</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="817"/>
        <source>Absent</source>
        <translation>Absent</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="840"/>
        <source>   Aide          </source>
        <translation>   Help          </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="865"/>
        <source>Barre d&apos;outils</source>
        <translation>Tool bar</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="897"/>
        <source>Barre de l&apos;utilisateur</source>
        <translation>User bar</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="930"/>
        <source>Dossier</source>
        <translation>File</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="933"/>
        <source>       Dossier       </source>
        <translation>       File       </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="936"/>
        <source>Visites  (F4)</source>
        <translation>Visits  (F4)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="939"/>
        <source>Visites pour le patient actuel (F4)</source>
        <translation>Visits of the current patient (F4)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="942"/>
        <source>F4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="954"/>
        <source>Visites</source>
        <translation>Visits</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="957"/>
        <source>     Visites    </source>
        <translation>     Visits    </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="960"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="963"/>
        <source>Toutes les visites</source>
        <translation>All visits</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="966"/>
        <source>F5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="978"/>
        <source>Planning</source>
        <translation>Planning</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="981"/>
        <source>      Planning       </source>
        <translation>      Planning       </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="984"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="987"/>
        <source>La liste de tous les rendez-vous (F6)</source>
        <translation>The list of all appointments (F6)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="990"/>
        <source>F6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="999"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1002"/>
        <source>Comptabilité</source>
        <translation>Accounting</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1005"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1008"/>
        <source>Informations de comptabilité (F7)</source>
        <translation>Accounting information (F7)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1011"/>
        <source>F7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1020"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1023"/>
        <source>       Options        </source>
        <translation>       Options        </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1026"/>
        <source>Configuration  (F8)</source>
        <translation>Settings  (F8)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1029"/>
        <source>Configuration (F8)</source>
        <translation>Settings (F8)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1032"/>
        <source>F8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1041"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1044"/>
        <source>Sauvegarde</source>
        <translation>Backup</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1053"/>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1056"/>
        <source>     Quitter      </source>
        <translation>     Quit      </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1059"/>
        <source>Quitter l&apos;application</source>
        <translation>Quit the application</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1068"/>
        <source> About</source>
        <translation> About</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1071"/>
        <source>      About       </source>
        <translation>      About       </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1074"/>
        <source>Contactez moi</source>
        <translation>Contact me</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1083"/>
        <source>Aide</source>
        <translation>Help</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1086"/>
        <source>        Aide       </source>
        <translation>        Help       </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1089"/>
        <source>Aide en video</source>
        <translation>Video help</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1112"/>
        <source>&amp;RECHERCHE</source>
        <translation>&amp;SEARCH</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1115"/>
        <source>   RECHERCHE  </source>
        <translation>   SEARCH  </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1130"/>
        <source>Rendez-vous</source>
        <translation>Appointment</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1133"/>
        <source>   Rendez-vous  </source>
        <translation>   Appointment  </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1136"/>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1139"/>
        <source>Prendre un rendez-vous</source>
        <translation>Book an appointment</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1144"/>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.ui" line="1149"/>
        <source>&amp;Réduire</source>
        <translation>&amp;Minimize</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentbook.cpp" line="36"/>
        <location filename="../../src/mainwindow/mainwindow.cpp" line="212"/>
        <source>Table de tous les rendez-vous</source>
        <translation>Table of all appointments</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentbook.cpp" line="156"/>
        <source>Avertissement </source>
        <translation>Warning </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentbook.cpp" line="157"/>
        <source>Un autre poste a changé ce rendez-vous entre-temps : la liste montre maintenant son état enregistré.</source>
        <translation>Another workstation changed this appointment meanwhile: the list now shows its stored state.</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.cpp" line="211"/>
        <source>L&apos;utilisateur: </source>
        <translation>User: </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.cpp" line="215"/>
        <source>qrc:/help/aide.html</source>
        <comment>address of the help page in the program&apos;s language</comment>
        <translation>qrc:/help/aide_en.html</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.cpp" line="298"/>
        <source>About  Kelvora 1.4</source>
        <translation>About  Kelvora 1.4</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.cpp" line="300"/>
        <source>C&apos;est une application de gestion d&apos;un cabinet dentaire</source>
        <translation>An application that runs a dental office</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/mainwindow.cpp" line="301"/>
        <source>&lt;br&gt;&lt;br&gt;Kelvora 1.4 — conçu et réalisé par l&apos;équipe Kelvora.&lt;br&gt;Aide et nouvelles : kelvora.example</source>
        <translation>&lt;br&gt;&lt;br&gt;Kelvora 1.4 — designed and built by the Kelvora team.&lt;br&gt;Help and news: kelvora.example</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/visitlists.cpp" line="205"/>
        <source>&lt;br&gt;Visite N° </source>
        <translation>&lt;br&gt;Visit No. </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/visitlists.cpp" line="205"/>
        <source>&lt;br&gt;Date  </source>
        <translation>&lt;br&gt;Date  </translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentgridentry.cpp" line="52"/>
        <source>Grille</source>
        <translation>Grid</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentgridentry.cpp" line="53"/>
        <source>Grille du jour</source>
        <translation>Day grid</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentgridentry.cpp" line="54"/>
        <source>La grille des rendez-vous du jour (Ctrl+F6)</source>
        <translation>The day&apos;s appointment grid (Ctrl+F6)</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentgridentry.cpp" line="57"/>
        <source>&amp;Grille du jour</source>
        <translation>Day &amp;grid</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentgridentry.cpp" line="60"/>
        <source>&amp;Rappels</source>
        <translation>&amp;Recalls</translation>
    </message>
    <message>
        <location filename="../../src/mainwindow/appointmentgridentry.cpp" line="61"/>
        <source>Les patients à rappeler pour un contrôle</source>
        <translation>The patients due back for a check-up</translation>
    </message>
</context>
<context>
    <name>RecallList</name>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="29"/>
        <source>Patients à rappeler</source>
        <translation>Patients to recall</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="33"/>
        <source>Dernière visite il y a au moins</source>
        <translation>Last visit at least</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="38"/>
        <source> mois</source>
        <translation> months</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="46"/>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="46"/>
        <source>Tél</source>
        <translation>Phone</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="46"/>
        <source>Dernière visite</source>
        <translation>Last visit</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="46"/>
        <source>Jours de retard</source>
        <translation>Days overdue</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="46"/>
        <source>Appelé le</source>
        <translation>Called on</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="46"/>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="60"/>
        <source>&amp;Rendez-vous...</source>
        <translation>&amp;Appointment...</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="61"/>
        <source>&amp;Appelé...</source>
        <translation>&amp;Called...</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="62"/>
        <source>&amp;Ne plus rappeler</source>
        <translation>&amp;Do not recall</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="63"/>
        <source>&amp;Imprimer...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="64"/>
        <source>&amp;Exporter CSV...</source>
        <translation>&amp;Export CSV...</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="118"/>
        <source>Patient appelé</source>
        <translation>Patient called</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="118"/>
        <source>Note :</source>
        <translation>Note:</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="123"/>
        <source>L&apos;appel n&apos;a pas pu être noté.</source>
        <translation>The call could not be noted.</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="132"/>
        <source>Le patient n&apos;a pas pu être retiré de la liste.</source>
        <translation>The patient could not be left out of the list.</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="161"/>
        <source>Exporter la liste</source>
        <translation>Export the list</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="161"/>
        <source>rappels.csv</source>
        <translation>recalls.csv</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="161"/>
        <source>Fichiers CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/appointments/recalllist.cpp" line="168"/>
        <source>Le fichier n&apos;a pas pu être écrit.</source>
        <translation>The file could not be written.</translation>
    </message>
</context>
<context>
    <name>SaveFailure</name>
    <message>
        <location filename="../../src/widgets/savefailure.cpp" line="13"/>
        <source>La base de données est utilisée par un autre poste. Réessayez dans un instant.</source>
        <translation>The database is being used by another workstation. Please try again in a moment.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/savefailure.cpp" line="18"/>
        <source>Avertissement </source>
        <translation>Warning </translation>
    </message>
    <message>
        <location filename="../../src/widgets/savefailure.cpp" line="36"/>
        <source>Un autre poste a modifié ces données depuis que vous les avez ouvertes. Ce qui est enregistré est maintenant affiché, et ce que vous avez saisi est conservé : enregistrez de nouveau pour l&apos;écrire.</source>
        <translation>Another workstation changed this record since you opened it. What is stored is now shown, and what you typed is kept: save again to write it.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/savefailure.cpp" line="42"/>
        <source>Enregistré par l&apos;autre poste, remplacé par votre saisie :</source>
        <translation>Stored by the other workstation, replaced by what you typed:</translation>
    </message>
    <message>
        <location filename="../../src/widgets/savefailure.cpp" line="48"/>
        <source>L&apos;enregistrement a échoué : rien n&apos;a été écrit. Réessayez.</source>
        <translation>Saving failed: nothing was written. Please try again.</translation>
    </message>
    <message>
        <location filename="../../src/widgets/savefailure.cpp" line="61"/>
        <source>%1 : %2</source>
        <comment>a field&apos;s label and the value stored meanwhile</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../../src/widgets/savefailure.cpp" line="86"/>
        <source>La suppression a échoué : rien n&apos;a été supprimé. Réessayez.</source>
        <translation>Deleting failed: nothing was deleted. Please try again.</translation>
    </message>
</context>
<context>
    <name>ShownLanguage</name>
    <message>
        <location filename="../../src/widgets/shownlanguage.cpp" line="20"/>
        <source>fr_FR</source>
        <comment>locale of the program&apos;s language: day names, calendars</comment>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>StoredWords</name>
    <message>
        <location filename="../../src/widgets/shownlanguage.cpp" line="12"/>
        <source>SOINS</source>
        <translation>CARE</translation>
    </message>
    <message>
        <location filename="../../src/widgets/shownlanguage.cpp" line="12"/>
        <source>PROTHESE</source>
        <translation>PROSTHESIS</translation>
    </message>
    <message>
        <location filename="../../src/widgets/shownlanguage.cpp" line="13"/>
        <source>TOUS</source>
        <translation>ALL</translation>
    </message>
    <message>
        <location filename="../../src/widgets/shownlanguage.cpp" line="13"/>
        <source>En attente</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <location filename="../../src/widgets/shownlanguage.cpp" line="14"/>
        <source>Présent</source>
        <translation>Present</translation>
    </message>
    <message>
        <location filename="../../src/widgets/shownlanguage.cpp" line="14"/>
        <source>Absent</source>
        <translation>Absent</translation>
    </message>
</context>
<context>
    <name>TDPreviewDialog</name>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="20"/>
        <source>Aperçu avant l&apos;impression</source>
        <translation>Preview</translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="66"/>
        <source>Liste des rendez-vous</source>
        <translation>Appointments</translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="67"/>
        <source>Page: </source>
        <translation>Page: </translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.cpp" line="150"/>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="145"/>
        <source>Nom et Prénom</source>
        <translation>Full Name</translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="242"/>
        <source>Nom </source>
        <translation>Name </translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="269"/>
        <source>  ans </source>
        <translation>  years </translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="270"/>
        <source>ORDONNANCE</source>
        <translation>PRESCRIPTION</translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="287"/>
        <source>Cabinet dentaire</source>
        <translation>Dental office</translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="291"/>
        <source>Le </source>
        <translation>Date: </translation>
    </message>
    <message>
        <location filename="../../src/printing/printedpages.cpp" line="291"/>
        <source>dd-MM-yyyy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="168"/>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="171"/>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="157"/>
        <source>&amp;Ok</source>
        <translation>&amp;Ok</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="36"/>
        <source>Zoom in</source>
        <translation>Zoom in</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="39"/>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="53"/>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="143"/>
        <source>...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="50"/>
        <source>Zoom Out</source>
        <translation>Zoom Out</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="64"/>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="71"/>
        <source>Select Page</source>
        <translation>Select Page</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="96"/>
        <source>Previous Page</source>
        <translation>Previous Page</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="99"/>
        <source>&lt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="110"/>
        <source>Type page number here</source>
        <translation>Type page number here</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="126"/>
        <source>Next Page</source>
        <translation>Next Page</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="129"/>
        <source>&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="140"/>
        <source>Page Settings</source>
        <translation>Page Settings</translation>
    </message>
    <message>
        <location filename="../../src/printing/tdpreviewdialog.ui" line="154"/>
        <location filename="../../src/printing/tdpreviewdialog.cpp" line="61"/>
        <source>Print Document</source>
        <translation>Print Document</translation>
    </message>
</context>
<context>
    <name>sumFormDialog</name>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="17"/>
        <source>Comptabilité</source>
        <translation>Accounting</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="27"/>
        <source>Par jour                </source>
        <translation>Per day</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="162"/>
        <source>Par patient         </source>
        <translation>Per patient</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="35"/>
        <source>Entre :  </source>
        <translation>Between: </translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="52"/>
        <source>et : </source>
        <translation>and: </translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="69"/>
        <source>Frais : </source>
        <translation>Fees: </translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="80"/>
        <location filename="../../src/accounting/sumformdialog.ui" line="98"/>
        <location filename="../../src/accounting/sumformdialog.ui" line="126"/>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="87"/>
        <source>Payement : </source>
        <translation>Payments: </translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="115"/>
        <source>Reste : </source>
        <translation>Balance: </translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="187"/>
        <source>Exporter en &amp;CSV…</source>
        <translation>Export to &amp;CSV…</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="194"/>
        <source>Exporter en &amp;PDF…</source>
        <translation>Export to &amp;PDF…</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.ui" line="214"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="167"/>
        <source>Recettes du %1 au %2</source>
        <translation>Receipts from %1 to %2</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="184"/>
        <location filename="../../src/accounting/sumformdialog.cpp" line="196"/>
        <source>Exporter les recettes</source>
        <translation>Export the receipts</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="184"/>
        <source>Fichiers CSV (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="192"/>
        <location filename="../../src/accounting/sumformdialog.cpp" line="200"/>
        <source>Les recettes n&apos;ont pas pu être enregistrées dans %1.</source>
        <translation>The receipts could not be saved to %1.</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="196"/>
        <source>Fichiers PDF (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="217"/>
        <source>Frais</source>
        <translation>Fees</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="218"/>
        <source>Payement</source>
        <translation>Paid</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="219"/>
        <source>Reste</source>
        <translation>Balance</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="223"/>
        <source>Par jour</source>
        <translation>By day</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="224"/>
        <source>Jour</source>
        <translation>Day</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="224"/>
        <location filename="../../src/accounting/sumformdialog.cpp" line="232"/>
        <source>Médecin</source>
        <translation>Doctor</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="229"/>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="231"/>
        <source>Par patient</source>
        <translation>By patient</translation>
    </message>
    <message>
        <location filename="../../src/accounting/sumformdialog.cpp" line="232"/>
        <source>Patient</source>
        <translation>Patient</translation>
    </message>
</context>
</TS>
