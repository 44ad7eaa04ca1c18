#pragma once

// Small readers shared by the printing tests: the text items of a scene, and the text of a PDF file read
// back with pdftotext.

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

namespace printingtest {

inline QList<QGraphicsTextItem*> textItems(QGraphicsScene* scene) {
    QList<QGraphicsTextItem*> texts;
    for (QGraphicsItem* item : scene->items())
        if (auto* text = qgraphicsitem_cast<QGraphicsTextItem*>(item))
            texts << text;
    std::sort(texts.begin(), texts.end(), [](QGraphicsTextItem* a, QGraphicsTextItem* b) {
        return a->pos().y() < b->pos().y() || (a->pos().y() == b->pos().y() && a->pos().x() < b->pos().x());
    });
    return texts;
}

inline QStringList texts(QGraphicsScene* scene) {
    QStringList result;
    for (QGraphicsTextItem* item : textItems(scene))
        result << item->toPlainText();
    return result;
}

inline QGraphicsTextItem* findText(QGraphicsScene* scene, const QString& text) {
    for (QGraphicsTextItem* item : textItems(scene))
        if (item->toPlainText() == text)
            return item;
    return nullptr;
}

// Types a full path into a file chooser's name field and accepts it, as a user would.
inline bool chooseFile(QWidget* widget, const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
    if (!name)
        return false;
    name->setText(path);
    static_cast<QDialog*>(dialog)->accept();
    return true;
}

// The text of every page of a PDF file, in order.
inline QStringList pdfPages(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    // The layout spreads words with runs of blanks: one blank is enough to read them.
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput())
                            .replace(blanks, QStringLiteral(" "))
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

inline QString pdfInfo(const QString& path) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {path});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace printingtest
