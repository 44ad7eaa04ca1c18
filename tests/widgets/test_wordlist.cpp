#include "testsupport.h"

#include "widgets/wordlist.h"

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

class TestWordList : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;
    QWidget owner;

    QString write(const QString& name, const QByteArray& content) {
        const QString path = dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QStringList load(const QString& path, bool trailingBlank = false) {
        QStringListModel* model = loadWordList(&owner, path, this, trailingBlank);
        [&] {
            QVERIFY(model);
            QCOMPARE(model->parent(), this);
            QVERIFY2(!QApplication::overrideCursor(), "the wait cursor must not outlive the reading");
        }();
        const QStringList words = model ? model->stringList() : QStringList();
        delete model;
        return words;
    }

private slots:
    void entriesDifferingInCaseAreOne() {
        const QString path = write("traitements.txt", "Extraction\nextraction\nD\xE9tartrage\nEXTRACTION\n");
        QCOMPARE(load(path), QStringList({"Extraction", QString::fromUtf8("Détartrage")}));
    }

    void trailingBlankGivesEachEntryOneBlank() {
        QCOMPARE(load(write("a.txt", "Extraction\nExtraction \nBlanchiment\n"), true),
                 QStringList({"Extraction ", "Blanchiment "}));
        // Whichever spelling comes first, the completion is the word and one blank.
        QCOMPARE(load(write("b.txt", "Extraction \nextraction\n"), true), QStringList({"Extraction "}));
        // Without the flag the two spellings differ by more than case.
        QCOMPARE(load(write("c.txt", "Extraction\nExtraction \n")), QStringList({"Extraction", "Extraction "}));
    }

    void emptyLinesAndLineEnds() {
        // One empty entry survives; Windows line ends are no part of the words; a last line without its line
        // feed still counts, and the line feed ending the file starts no entry.
        QCOMPARE(load(write("d.txt", "Alger\r\n\r\nOran\n\nBlida")), QStringList({"Alger", "", "Oran", "Blida"}));
        QCOMPARE(load(write("e.txt", "Alger\nOran\n")), QStringList({"Alger", "Oran"}));
        QCOMPARE(load(write("f.txt", "")), QStringList());
        QCOMPARE(load(write("g.txt", "\n\n"), true), QStringList({" "}));
    }

    void longListIsReadToItsLastLine() {
        QByteArray content;
        for (int i = 0; i < 60000; ++i)
            content += "Patient num\xE9ro " + QByteArray::number(i) + "\n";
        content += "Dernier \xE9l\xE9ment";
        QVERIFY(content.size() > 1024 * 1024);
        const QStringList words = load(write("long.txt", content));
        QCOMPARE(words.size(), 60001);
        QCOMPARE(words.first(), QString::fromUtf8("Patient numéro 0"));
        QCOMPARE(words.at(54321), QString::fromUtf8("Patient numéro 54321"));
        QCOMPARE(words.last(), QString::fromUtf8("Dernier élément"));
    }

    void missingFileGivesEmptyList() {
        QCOMPARE(load(dir.filePath("absent.txt")), QStringList());
        QCOMPARE(load(QString()), QStringList());
        QCOMPARE(load(dir.path()), QStringList()); // a folder is not a list
    }

    void fileThatIsNotTextGivesEmptyList() {
        QFile picture(":/icons/plus.png");
        QVERIFY(picture.open(QIODevice::ReadOnly));
        QCOMPARE(load(write("photo.txt", picture.readAll())), QStringList());
        QCOMPARE(load(write("nul.txt", QByteArray("Alger\n\0Oran\n", 12))), QStringList());
    }

    void latin1AndUtf8BothReadRight() {
        const QStringList expected = {QString::fromUtf8("Détartrage"), QString::fromUtf8("Antécedent"),
                                      QString::fromUtf8("Prothèse façon Œ")};
        QCOMPARE(load(write("latin1.txt", "D\xE9tartrage\nAnt\xE9"
                                          "cedent\nProth\xE8se fa\xE7on \n")),
                 QStringList({expected.at(0), expected.at(1), QString::fromUtf8("Prothèse façon ")}));
        QCOMPARE(load(write("utf8.txt", expected.join('\n').toUtf8())), expected);
        QCOMPARE(load(write("bom.txt", "\xEF\xBB\xBF" + expected.join('\n').toUtf8())), expected);
        // Plain ASCII reads the same either way.
        QCOMPARE(load(write("ascii.txt", "Gingivite\n")), QStringList({"Gingivite"}));
    }

    void shippedListsAreEmbedded() {
        const QStringList treatments = load(":/resources/liste_traitement.txt");
        QCOMPARE(treatments.size(), 16);
        for (const char* word : {"Détartrage", "Extraction", "Obturation canalaire", "Blanchiment"})
            QVERIFY2(treatments.contains(QString::fromUtf8(word)), word);

        const QStringList diagnoses = load(":/resources/liste_diagnostique.txt");
        QCOMPARE(diagnoses.size(), 17);
        for (const char* word : {"Caries dentaire", "Gingivite", "Parodontites"})
            QVERIFY2(diagnoses.contains(QString::fromUtf8(word)), word);

        QCOMPARE(load(":/resources/liste_motif.txt"),
                 QString::fromUtf8("Anomalie buccale|Douleur dentaire|Motif parodental|Motif prothétique|"
                                   "Motif préventif|Motif ésthétique|Ordonnance")
                     .split('|'));

        const QStringList prescriptions = load(":/resources/liste_ordonnance.txt");
        QCOMPARE(prescriptions.size(), 11);
        static const QRegularExpression fields("[ \t]*\t[ \t]*");
        for (const QString& line : prescriptions)
            QCOMPARE(line.split(fields).size(), 5); // drug, strength, form, dosage, quantity

        QCOMPARE(load(":/resources/liste_antegr.txt"), QStringList({QString::fromUtf8("Antécedent")}));
        QCOMPARE(load(":/resources/liste_antelc.txt"), QStringList({QString::fromUtf8("Antécedent")}));
        QCOMPARE(load(":/resources/prenom.txt"), QStringList());

        // The shipped files are Latin-1 bytes, as the program has always shipped them.
        QFile file(":/resources/liste_traitement.txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("D\xE9tartrage"));
    }
};

KELVORA_TEST(TestWordList)
#include "test_wordlist.moc"
