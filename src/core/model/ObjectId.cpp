#include "core/model/ObjectId.h"

#include <QUuid>

QString NewObjectID() {
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}
