#include "core/model/ObjectNames.h"

#include <QSet>

QStringList ObjectListNames(const TObjectList& objects) {
    QStringList names;
    QSet<QString> used;
    for (const auto& object : objects) {
        QString key;
        for (int n = 1; key.isEmpty() || used.contains(key); ++n)
            key = object->KindName() + QString::number(n);
        used.insert(key);
        names << (object->ObjName.isEmpty() ? key : key + QStringLiteral(" - ") + object->ObjName);
    }
    return names;
}
