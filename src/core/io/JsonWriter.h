#pragma once

#include <QByteArray>
#include <QJsonObject>

// JSON text of document, indented by two spaces, ending in a line break. Unlike QJsonDocument it
// writes every number with 17 significant digits, so a double comes back bit for bit, and it
// writes a value that is not finite as null. Arrays of plain values stay on one line.
QByteArray WriteJson(const QJsonObject& document);
