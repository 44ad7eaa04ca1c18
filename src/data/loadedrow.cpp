#include "data/loadedrow.h"

void LoadedRow::addField(const QString& column, Typed typed, Show show) {
    fields.append({column, std::move(typed), std::move(show), {}});
}

// Fields may depend on each other (an age and a year of birth): all are shown before any is read back.
void LoadedRow::load(const QSqlRecord& stored) {
    loaded = stored;
    for (Field& field : fields)
        field.show(stored.value(field.column));
    for (Field& field : fields)
        field.shown = field.typed();
}

QStringList LoadedRow::takeStored(const QSqlRecord& stored) {
    QVector<bool> touched;
    for (const Field& field : std::as_const(fields))
        touched << (field.typed() != field.shown);

    QStringList differing;
    for (int i = 0; i < fields.size(); ++i) {
        const Field& field = fields.at(i);
        if (!touched.at(i))
            field.show(stored.value(field.column));
        // What the user typed stays, and stays his at a later conflict too; the next save writes it over the
        // stored row. Say what it replaces when the other workstation changed that column as well.
        else if (stored.value(field.column) != loaded.value(field.column))
            differing << field.column + QStringLiteral(" : ") + stored.value(field.column).toString();
    }
    for (int i = 0; i < fields.size(); ++i)
        if (!touched.at(i))
            fields[i].shown = fields.at(i).typed();
    loaded = stored;
    return differing;
}
