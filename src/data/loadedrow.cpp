#include "data/loadedrow.h"

#include <QDateTime>

namespace {

// A stored value as the form shows it: a day and time as typed.
QString shownValue(const QVariant& value) {
    QDateTime when = value.typeId() == QMetaType::QDateTime ? value.toDateTime() : QDateTime();
    // The office file gives its date-times as text, "2024-03-05T10:45:00".
    const QString text = value.toString();
    if (!when.isValid() && value.typeId() == QMetaType::QString && text.size() >= 16 && text.at(10) == u'T')
        when = QDateTime::fromString(text, Qt::ISODate);
    if (when.isValid())
        return when.toString(QStringLiteral("dd-MM-yyyy HH:mm"));
    return value.toString();
}

} // namespace

void LoadedRow::addField(const QString& column, Typed typed, Show show, Label label) {
    fields.append({column, std::move(typed), std::move(show), std::move(label), {}});
}

// Fields may depend on each other (an age and a year of birth): all are shown before any is read back.
void LoadedRow::load(const QSqlRecord& stored) {
    loaded = stored;
    for (Field& field : fields)
        field.show(stored.value(field.column));
    for (Field& field : fields)
        field.shown = field.typed();
}

QStringList LoadedRow::takeStored(const QSqlRecord& stored, const QString& labelAndValue) {
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
        else if (stored.value(field.column) != loaded.value(field.column)) {
            const QString name = field.label ? field.label() : field.column;
            const QVariant value = stored.value(field.column);
            // A picture is named, not written out.
            differing << (value.typeId() == QMetaType::QByteArray
                              ? name
                              : QString(labelAndValue).arg(name, shownValue(value)));
        }
    }
    for (int i = 0; i < fields.size(); ++i)
        if (!touched.at(i))
            fields[i].shown = fields.at(i).typed();
    loaded = stored;
    return differing;
}
