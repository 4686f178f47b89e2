#include "core/text/ResStr.h"

#include <QByteArray>
#include <QCoreApplication>

QString ResStr(int id, const char* german) {
    const QByteArray key = QByteArray::number(id);
    // Without a catalogue that knows the id, Qt hands back the id itself.
    QString translated = qtTrId(key.constData());
    if (translated.isEmpty() || translated == QLatin1String(key))
        return QString::fromUtf8(german);
    return translated;
}
