#include "testsupport.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>

#include <cctype>
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
    // Visit types and appointment states: the windows compare and store these very words in the database,
    // so their labels are the data itself.
    {nullptr, "SOINS"},
    {nullptr, "PROTHESE"},
    {nullptr, "TOUS"},
    {nullptr, "En attente"},
    {nullptr, "Présent"},
    {nullptr, "Absent"},
    // The login warnings have never had an English text: a user who cannot log in gets them as they are.
    {"LoginUser", "\nNom d'utilisateur non valide ! \t\t\n "},
    {"LoginUser", "\nMot de passe n'est pas  valide !  \t\t\n"},
};

// Properties whose text is no prose to translate: style sheets, date and input formats.
const QSet<QString> notProse = {"styleSheet", "displayFormat", "inputMask", "objectName"};

QString sourceDir() {
    const QString dir = qEnvironmentVariable("KELVORA_SOURCE_DIR");
    return dir.isEmpty() ? QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../..") : dir;
}

// A text with no word of two letters is no language ("...", "<", " / ", "v 1.4"), nor is a date format.
bool hasWords(const QString& text) {
    static const QRegularExpression word(QStringLiteral("\\p{L}{2}"));
    static const QRegularExpression dateFormat(
        QStringLiteral("^(?:d{1,4}|M{1,4}|yyyy|yy|HH?|hh?|mm?|ss?|AP|ap|[\\s/:.,-])+$"));
    return text.contains(word) && !dateFormat.match(text).hasMatch();
}

// The translatable texts of a form: every <string> that is not marked notr, in the context of its class.
bool readForm(const QString& path, std::vector<Text>* texts, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    QXmlStreamReader xml(&file);
    QString context;
    QStringList properties; // the property or attribute each open element belongs to
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString name = xml.name().toString();
            if (name == QLatin1String("property") || name == QLatin1String("attribute"))
                properties << xml.attributes().value("name").toString();
            if (name == QLatin1String("class") && context.isEmpty()) {
                context = xml.readElementText();
            } else if (name == QLatin1String("string")) {
                const QXmlStreamAttributes attributes = xml.attributes();
                const bool notr = attributes.value("notr") == QLatin1String("true");
                const QString comment = attributes.value("comment").toString();
                const int line = int(xml.lineNumber());
                const QString text = xml.readElementText();
                const bool prose = properties.isEmpty() || !notProse.contains(properties.constLast());
                if (!notr && prose && hasWords(text))
                    texts->push_back({context, text, comment, QStringLiteral("%1:%2").arg(path).arg(line)});
            }
        } else if (xml.isEndElement()) {
            const auto name = xml.name();
            if ((name == QLatin1String("property") || name == QLatin1String("attribute")) && !properties.isEmpty())
                properties.removeLast();
        }
    }
    if (xml.hasError()) {
        *error = QStringLiteral("%1:%2: %3").arg(path).arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    return true;
}

// Reads the C++ string literals at position pos (adjacent literals joined), moving pos past them.
bool readLiterals(const QString& code, int* pos, QString* value) {
    int i = *pos;
    bool any = false;
    QByteArray bytes;
    const auto skipBlanks = [&] {
        while (i < code.size() && code.at(i).isSpace())
            ++i;
    };
    skipBlanks();
    while (i < code.size() && code.at(i) == QLatin1Char('"')) {
        any = true;
        ++i;
        while (i < code.size() && code.at(i) != QLatin1Char('"')) {
            QChar c = code.at(i);
            if (c == QLatin1Char('\\') && i + 1 < code.size()) {
                const QChar e = code.at(++i);
                if (e == QLatin1Char('n'))
                    bytes += '\n';
                else if (e == QLatin1Char('t'))
                    bytes += '\t';
                else if (e == QLatin1Char('r'))
                    bytes += '\r';
                else if (e == QLatin1Char('x')) {
                    int end = i + 1;
                    while (end < code.size() && end < i + 3 && isxdigit(code.at(end).toLatin1()))
                        ++end;
                    bytes += char(code.mid(i + 1, end - i - 1).toInt(nullptr, 16));
                    i = end - 1;
                } else
                    bytes += QString(e).toUtf8();
            } else {
                bytes += QString(c).toUtf8();
            }
            ++i;
        }
        ++i; // the closing quote
        skipBlanks();
    }
    *pos = i;
    *value = QString::fromUtf8(bytes);
    return any;
}

// The texts a source file passes to tr() (in the context of the class whose member holds the call) or to
// translate("Context", ...).
bool readSource(const QString& path, std::vector<Text>* texts, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = "cannot read " + path;
        return false;
    }
    const QString code = QString::fromUtf8(file.readAll());
    // A member defined at the start of a line: "void DialogBackup::on_pushButton_clicked()".
    static const QRegularExpression member(QStringLiteral("^(?!\\s)[\\w:<>*&, ]*?\\b(\\w+)::~?\\w+\\s*\\("),
                                           QRegularExpression::MultilineOption);
    static const QRegularExpression call(QStringLiteral("(?<![\\w.>])(?:(\\w+)::)?(tr|translate)\\s*\\("));
    std::vector<std::pair<int, QString>> members;
    for (const QRegularExpressionMatch& match : member.globalMatch(code))
        members.emplace_back(int(match.capturedStart()), match.captured(1));

    for (const QRegularExpressionMatch& match : call.globalMatch(code)) {
        int pos = int(match.capturedEnd());
        QString context = match.captured(1);
        QString source;
        if (match.captured(2) == QLatin1String("translate")) {
            if (!readLiterals(code, &pos, &context) || pos >= code.size() || code.at(pos) != QLatin1Char(','))
                continue;
            ++pos;
        } else if (context.isEmpty()) {
            for (const auto& [start, name] : members)
                if (start < match.capturedStart())
                    context = name;
        }
        if (context.isEmpty() || !readLiterals(code, &pos, &source) || !hasWords(source))
            continue; // a text that is not written out here cannot be checked here
        QString disambiguation;
        if (pos < code.size() && code.at(pos) == QLatin1Char(',')) {
            ++pos;
            readLiterals(code, &pos, &disambiguation);
        }
        const int line = int(code.left(match.capturedStart()).count(QLatin1Char('\n'))) + 1;
        texts->push_back({context, source, disambiguation, QStringLiteral("%1:%2").arg(path).arg(line)});
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

// Every text of the program's forms and sources reads in English with the English catalogue installed,
// unless it is one of the few that stay French on purpose.
class TestTranslations : public QObject {
    Q_OBJECT

private:
    QTranslator translator;
    std::vector<Text> texts;

private slots:
    void initTestCase() {
        QVERIFY(translator.load(":/kelvora_en"));
        const QString src = sourceDir() + "/src";
        QVERIFY2(QFileInfo(src).isDir(), qPrintable("no source folder at " + src));
        QString error;
        QDirIterator files(src, {"*.ui", "*.cpp", "*.h"}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const bool read = path.endsWith(".ui") ? readForm(path, &texts, &error) : readSource(path, &texts, &error);
            QVERIFY2(read, qPrintable(error));
        }
    }

    void readerFindsTheTranslatableTexts() {
        // The scan itself, on a form and a source written for it.
        QTemporaryDir dir;
        QFile form(dir.filePath("sample.ui"));
        QVERIFY(form.open(QIODevice::WriteOnly));
        form.write(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0"><class>Sample</class>
 <widget class="QDialog" name="Sample">
  <property name="windowTitle"><string>Fenêtre  </string></property>
  <property name="styleSheet"><string>color: blue;</string></property>
  <widget class="QLabel" name="label"><property name="text"><string notr="true">Kelvora</string></property></widget>
  <widget class="QComboBox" name="combo"><item><property name="text"><string>SOINS</string></property></item></widget>
  <widget class="QToolButton" name="tool"><property name="text"><string>...</string></property></widget>
  <widget class="QDateEdit" name="date"><property name="displayFormat"><string>dd-MM-yyyy</string></property></widget>
  <widget class="QWidget" name="tab"><attribute name="title"><string comment="onglet">Visite   </string></attribute></widget>
 </widget>
</ui>
)");
        form.close();
        QFile source(dir.filePath("sample.cpp"));
        QVERIFY(source.open(QIODevice::WriteOnly));
        source.write("Sample::Sample(QWidget* parent) : QDialog(parent)\n{\n"
                     "    setWindowTitle(tr(\"Visite N\xC2\xB0 \"\n                      \" /  Nouveau\"));\n"
                     "    QMessageBox::warning(this, tr(\"Kelvora\"), tr(\"\\nMot de passe\\t!\"));\n"
                     "    label->setText(QCoreApplication::translate(\"Other\", \"Ailleurs\"));\n"
                     "    label->setText(tr(variable));\n}\n"
                     "void Sample::refresh()\n{\n    const QString f = tr(\"dd-MM-yyyy\");\n"
                     "    button->setText(tr(\"&Ok\", \"bouton\"));\n}\n");
        source.close();

        std::vector<Text> found;
        QString error;
        QVERIFY2(readForm(form.fileName(), &found, &error), qPrintable(error));
        QVERIFY2(readSource(source.fileName(), &found, &error), qPrintable(error));
        QStringList seen;
        for (const Text& text : found)
            seen << text.context + "|" + text.source + "|" + text.disambiguation;
        QCOMPARE(seen, QStringList({"Sample|Fenêtre  |", "Sample|SOINS|", "Sample|Visite   |onglet",
                                    "Sample|Visite N°  /  Nouveau|", "Sample|Kelvora|", "Sample|\nMot de passe\t!|",
                                    "Other|Ailleurs|", "Sample|&Ok|bouton"}));
    }

    void everyTextHasAnEnglishEntry() {
        QStringList missing;
        for (const Text& text : texts) {
            if (isKeptFrench(text))
                continue;
            const QString english =
                translator.translate(qPrintable(text.context), qPrintable(text.source),
                                     text.disambiguation.isEmpty() ? nullptr : qPrintable(text.disambiguation));
            if (english.isEmpty())
                missing << QStringLiteral("%1: %2 %3").arg(text.where, text.context, quoted(text.source));
        }
        missing.removeDuplicates();
        for (const QString& line : std::as_const(missing))
            qWarning("no English entry: %s", qPrintable(line));
        QVERIFY2(missing.isEmpty(), qPrintable(QString("%1 texts without an English entry in "
                                                       "resources/translations/<Context>.ts (listed above)")
                                                   .arg(missing.size())));
    }

    void keptFrenchTextsHaveNoEnglishEntry() {
        // A visit type shown in English would no longer match the rows it filters.
        for (const Text& text : texts)
            if (isKeptFrench(text))
                QVERIFY2(translator.translate(qPrintable(text.context), qPrintable(text.source)).isEmpty(),
                         qPrintable(text.where + ": " + quoted(text.source) + " must stay French"));
    }
};

KELVORA_TEST(TestTranslations)
#include "test_translations.moc"
