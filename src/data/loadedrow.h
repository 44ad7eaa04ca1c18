#pragma once

#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>

// The row a form was filled from. A save writes only over the row as it was read (see
// sql::writeIfUnchanged); when another workstation changed it meanwhile, takeStored() brings in what is
// stored now without losing what the user typed.
class LoadedRow {
public:
    using Typed = std::function<QVariant()>;
    using Show = std::function<void(const QVariant&)>;
    using Label = std::function<QString()>;

    // A field of the form bound to a column: how to read what it holds, how to show a stored value in it,
    // and the name the form gives it (read when needed, so in the language of the moment; the column's
    // name without one).
    void addField(const QString& column, Typed typed, Show show, Label label = {});

    // Shows the stored row in the fields and keeps it as the row the next save writes over.
    void load(const QSqlRecord& stored);
    bool isLoaded() const { return !loaded.isEmpty(); }
    // The row as read, every column of it.
    const QSqlRecord& record() const { return loaded; }

    // After a save found the row changed: the fields the user left alone show what is stored now, the
    // others keep what he typed, and the stored row becomes the one the next save writes over. Returns, for
    // each field the user changed whose stored value changed too, "label : stored value", in the given form
    // of the program's language (%1 the label, %2 the value).
    QStringList takeStored(const QSqlRecord& stored, const QString& labelAndValue = QStringLiteral("%1 : %2"));

private:
    struct Field {
        QString column;
        Typed typed;
        Show show;
        Label label;
        QVariant shown; // what the field held right after it showed the row
    };
    QVector<Field> fields;
    QSqlRecord loaded;
};
