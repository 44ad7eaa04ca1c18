#include "widgets/wordlist.h"
#include "data/trace.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QStringDecoder>
#include <QStringListModel>
#include <QWidget>

namespace {

// The shipped lists are Latin-1; lists written by newer tools may be UTF-8. Latin-1 text with accents is
// almost never valid UTF-8, so a file that decodes as UTF-8 without error is taken as UTF-8.
QString decode(const QByteArray& bytes) {
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(content);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(content);
}

} // namespace

QStringListModel* loadWordList(QWidget* owner, const QString& path, QObject* parent, bool trailingBlank) {
    Q_UNUSED(owner);
    auto* model = new QStringListModel(parent);
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return model;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    file.close();
    // The list only offers completions: a file that cannot be read again gives an empty list, like a
    // missing one, and never costs the user the window he is typing in.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QApplication::restoreOverrideCursor();
        return model;
    }
    const QByteArray bytes = file.readAll();
    file.close();

    QStringList words;
    // A file holding NUL bytes is no word list (an image or a database picked by mistake): offering its
    // pieces as completions would only put garbage into the patient's record.
    if (bytes.contains('\0')) {
        qCDebug(lcTrace) << "loadWordList: not a text file" << path;
    } else {
        QStringList lines = decode(bytes).split(QLatin1Char('\n'));
        if (!lines.isEmpty() && lines.constLast().isEmpty())
            lines.removeLast(); // the line feed that ends the last line starts no further entry
        QSet<QString> seen;     // entries already listed, in lower case: the list keeps the first spelling
        for (QString line : std::as_const(lines)) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            const QString key = line.toLower();
            if (trailingBlank) {
                if (seen.contains(key) || seen.contains(key + QLatin1Char(' ')))
                    continue;
                // A line that already ends with its blank is that entry: "Extraction " and "Extraction" are
                // one completion, whichever comes first.
                if (!line.endsWith(QLatin1Char(' ')))
                    line += QLatin1Char(' ');
            } else if (seen.contains(key)) {
                continue;
            }
            seen.insert(line.toLower());
            words << line;
        }
    }
    model->setStringList(words);
    QApplication::restoreOverrideCursor();
    return model;
}
