#include "data/role.h"

#include "data/records.h"

#include <QVariant>

Role Role::ofUser(int userId) {
    return Role(records::user(userId).value(QStringLiteral("Role")).toInt());
}
