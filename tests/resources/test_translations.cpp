#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <vector>

namespace {

struct Text {
    QString context;
    QString source;
    QString disambiguation;
    QString where; // file and line, for the failure message
};

// Texts that stay French in the English program, on purpose. Keep this list short, and say why.
struct Kept {
    const char* context; // nullptr: in every form
    const char* source;
};
const Kept keptFrench[] = {
    // A date format, the same in both languages.
    {"TDPreviewDialog", "dd-MM-yyyy"},
    // Already English.
    {"TDPreviewDialog", "Export PDF"},
};

QString sourceDir() {
    return qEnvironmentVariable("KELVORA_SOURCE_DIR", QStringLiteral(KELVORA_SOURCE_TREE));
}

// A text with no word of two letters is no language ("...", "F12", " / ", "v 1.4"), nor is a date format.
bool hasWords(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2}"));
    static const QRegularExpression dateFormat(
        QStringLiteral("^(?:d{1,4}|M{1,4}|yyyy|yy|HH?|hh?|mm?|ss?|AP|ap|[\\s/:.,-])+$"));
    return text.contains(word) && !dateFormat.match(text).hasMatch();
}

// The messages of a catalogue written by lupdate, each with its first location.
bool readCatalogue(const QString& path, std::vector<Text>* texts, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Text text;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            text = {context, {}, {}, {}};
        } else if (name == QLatin1String("location") && text.where.isEmpty()) {
            // lupdate writes locations relative to the catalogue; the message names them from the source folder.
            const QString source =
                QFileInfo(path).dir().absoluteFilePath(xml.attributes().value("filename").toString());
            text.where = QDir(sourceDir()).relativeFilePath(source) + ':' + xml.attributes().value("line").toString();
        } else if (name == QLatin1String("source")) {
            text.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            text.disambiguation = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            texts->push_back(text);
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

bool isKeptFrench(const Text& text) {
    for (const Kept& kept : keptFrench)
        if ((!kept.context || text.context == QLatin1String(kept.context)) &&
            text.source == QString::fromUtf8(kept.source))
            return true;
    return false;
}

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace("\n", "\\n").replace("\t", "\\t");
    return '"' + shown + '"';
}

} // namespace

// Every text that lupdate finds in the program's forms and sources reads in English with the catalogue the
// program installs, unless it is one of the few that stay French on purpose.
class TestTranslations : public QObject {
    Q_OBJECT

private:
    QTranslator translator;
    std::vector<Text> texts;

    QString english(const Text& text) const {
        return translator.translate(qPrintable(text.context), qPrintable(text.source),
                                    text.disambiguation.isEmpty() ? nullptr : qPrintable(text.disambiguation));
    }

private slots:
    void initTestCase() {
        QVERIFY(translator.load(":/kelvora_en"));
        const QString src = sourceDir() + "/src";
        QVERIFY2(QFileInfo(src).isDir(), qPrintable("no source folder at " + src));
        // A fresh extraction, not the stored catalogue: a text added without its entry must show here.
        QTemporaryDir dir;
        const QString extracted = dir.filePath("extracted_en.ts");
        QProcess lupdate;
        lupdate.start(QStringLiteral(KELVORA_LUPDATE), {"-silent", "-locations", "absolute", src, "-ts", extracted});
        QVERIFY(lupdate.waitForFinished(60000));
        QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        QString error;
        QVERIFY2(readCatalogue(extracted, &texts, &error), qPrintable(error));
        // The forms alone hold far more than this; fewer means the extraction went wrong.
        QVERIFY(texts.size() > 200);
    }

    void everyShownTextHasAnEnglishEntry() {
        QStringList missing;
        for (const Text& text : texts)
            if (hasWords(text.source) && !isKeptFrench(text) && english(text).isEmpty())
                missing << QStringLiteral("%1: %2 %3").arg(text.where, text.context, quoted(text.source));
        for (const QString& line : std::as_const(missing))
            qWarning("no English entry: %s", qPrintable(line));
        QVERIFY2(missing.isEmpty(), qPrintable(QString("%1 texts without an English entry in "
                                                       "resources/translations/kelvora_en.ts (listed above); "
                                                       "build update_translations, then translate them")
                                                   .arg(missing.size())));
    }

    void keptFrenchTextsStayFrench() {
        // A visit type shown in English would no longer match the rows it filters.
        for (const Text& text : texts)
            if (isKeptFrench(text))
                QVERIFY2(english(text).isEmpty(),
                         qPrintable(text.where + ": " + quoted(text.source) + " must stay French"));
    }
};

KELVORA_TEST(TestTranslations)
#include "test_translations.moc"
