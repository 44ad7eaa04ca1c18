#pragma once

#include <QString>

class QWidget;

// The red question asked before every deletion: "Etes-vous sûr de vouloir supprimer " followed by the details
// (HTML, for example "<br>Visite N° 12"). Only a deliberate "&Oui" deletes: Return and Escape answer "&Non".
bool confirmDeletion(QWidget* parent, const QString& details);
