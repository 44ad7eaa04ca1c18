#include "testsupport.h"

#include <QTest>
#include <QTranslator>

// The English catalogue built into the program: its entries apply only to the exact French texts.
class TestCatalogue : public QObject {
    Q_OBJECT

private:
    QTranslator translator;

private slots:
    void initTestCase() { QVERIFY(translator.load(":/kelvora_en")); }

    void englishEntries_data() {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("english");
        const auto row = [](const char* context, const char* source, const char* english) {
            QTest::addRow("%s %s", context, source)
                << QString(context) << QString::fromUtf8(source) << QString::fromUtf8(english);
        };
        row("LoginUser", "Authentification Kelvora", "Kelvora Login");
        row("LoginUser", "Login", "Login");
        row("LoginUser", "Nom d'utilisateur", "User name");
        row("LoginUser", "Mot de passe", "Password");
        row("LoginUser", qPrintable("Utilisateur" + QString(53, ' ')), "User");
        row("LoginUser", "  Serveur            ", "Server");
        row("LoginUser", "Base de données  :  ", "Database");
        row("LoginUser", "Sur cette machine ", "Local machine");
        row("LoginUser", "Sur une autre machine ", "Distant machine");
        row("LoginUser", "Emplacement: ", "Path");
        row("LoginUser", "Open File", "Open File");
        row("LoginUser", "&Ok", "&Ok");
        row("LoginUser", "&Annuler", "&Cancel");
        // Line feeds, tabs and blanks around a text belong to it, in the catalogue too.
        row("LoginUser", "\nNom d'utilisateur non valide ! \t\t\n ", "\nInvalid user name! \t\t\n ");
        row("LoginUser", "\nMot de passe n'est pas  valide !  \t\t\n", "\nInvalid password!  \t\t\n");
        row("Dialog", "Options", "Options");
        row("Dialog", "&Ok", "&Ok");
        row("Dialog", "&AutoComplétion", "Auto completion");
        row("Dialog", "Actes       ", "Acts");
        row("Dialog", "Motif         ", "Reasons");
        row("Dialog", "Diagnostique       ", "Diagnostic");
        row("Dialog", "Type de prothèse  ", "Prosthesis type");
        row("Dialog", "Médicament", "Medicines");
        row("Dialog", "Antécédents G", "Medical && Dental history 1");
        row("Dialog", "Antécédents L", "Medical && Dental history 2");
        row("Dialog", "&Utilisateurs   ", "&Users");
        row("DialogBackup", "  Sauvegarde  ", "Backup");
        row("DialogBackup", "Emplacement", "Path");
        row("DialogBackup", "Parcourir...", "  Browse  ");
        row("DialogBackup", "Créer une copie de sauvegarde", "Create backup copy");
        row("DialogBackup", "Ok", "Ok");
        row("DialogBackup", " La sauvegarde a été complétée avec succès.", "Backups are successful");
        row("TDPreviewDialog", "Aperçu avant l'impression", "Preview");
        row("TDPreviewDialog", "Nom et Prénom", "Full Name");
        row("TDPreviewDialog", "Cancel", "Cancel");
        row("TDPreviewDialog", "&Annuler", "&Cancel");
        row("ImageViewer", "&Fichier", "&File");
        row("ImageViewer", "&Ouvrir...", "&Open");
        row("ImageViewer", "&Imprimer...", "&Print");
        row("ImageViewer", "&Quitter", "&Close");
        row("ImageViewer", "&Aperçu", "preview");
        row("ImageViewer", "&Taille Normal", "Normal size");
        row("ImageViewer", "&Taille de la fenêtre", "Window size");
    }

    void englishEntries() {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, english);
        QCOMPARE(translator.translate(qPrintable(context), qPrintable(source)), english);
    }

    void onlyTheExactTextIsTranslated() {
        // Blanks are part of the texts: the same words with other blanks, or in another form, stay French.
        QCOMPARE(translator.translate("LoginUser", "Utilisateur"), QString());
        QCOMPARE(translator.translate("Dialog", "Actes"), QString());
        QCOMPARE(translator.translate("DialogBackup", "Parcourir"), QString());
        QCOMPARE(translator.translate("DialogBackup", "&Annuler"), QString());
        // An entry left from an earlier version of a text has no effect.
        QCOMPARE(translator.translate("LoginUser", "v 1.3"), QString());
        QCOMPARE(translator.translate("LoginUser", "v 1.4"), QString());
        // The backup failure message is not translated.
        QCOMPARE(translator.translate("DialogBackup",
                                      " Un problème a été rencontré lors de la sauvegarde de la base de données "),
                 QString());
    }
};

KELVORA_TEST(TestCatalogue)
#include "test_catalogue.moc"
