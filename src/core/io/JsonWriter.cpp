#include "core/io/JsonWriter.h"

#include <QJsonArray>
#include <algorithm>
#include <cmath>

namespace {
void AppendValue(QByteArray& out, const QJsonValue& value, int depth);

void AppendIndent(QByteArray& out, int depth) {
    out += '\n';
    out += QByteArray(2 * depth, ' ');
}

// Independent of the C locale, which may use a decimal comma.
void AppendNumber(QByteArray& out, double value) {
    if (std::isfinite(value))
        out += QByteArray::number(value, 'g', 17);
    else
        out += "null";
}

void AppendString(QByteArray& out, const QString& text) {
    out += '"';
    for (const char c : text.toUtf8()) {
        const auto unit = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (unit < 0x20) {
            out += "\\u00";
            out += QByteArray::number(unit, 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    out += '"';
}

bool IsPlain(const QJsonValue& value) {
    return !value.isArray() && !value.isObject();
}

void AppendArray(QByteArray& out, const QJsonArray& array, int depth) {
    const bool oneLine = std::all_of(array.begin(), array.end(), IsPlain);
    out += '[';
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (i > 0)
            out += oneLine ? ", " : ",";
        if (!oneLine)
            AppendIndent(out, depth + 1);
        AppendValue(out, array.at(i), depth + 1);
    }
    if (!oneLine && !array.isEmpty())
        AppendIndent(out, depth);
    out += ']';
}

void AppendObject(QByteArray& out, const QJsonObject& object, int depth) {
    out += '{';
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (it != object.begin())
            out += ',';
        AppendIndent(out, depth + 1);
        AppendString(out, it.key());
        out += ": ";
        AppendValue(out, it.value(), depth + 1);
    }
    if (!object.isEmpty())
        AppendIndent(out, depth);
    out += '}';
}

void AppendValue(QByteArray& out, const QJsonValue& value, int depth) {
    switch (value.type()) {
    case QJsonValue::Bool:
        out += value.toBool() ? "true" : "false";
        break;
    case QJsonValue::Double:
        AppendNumber(out, value.toDouble());
        break;
    case QJsonValue::String:
        AppendString(out, value.toString());
        break;
    case QJsonValue::Array:
        AppendArray(out, value.toArray(), depth);
        break;
    case QJsonValue::Object:
        AppendObject(out, value.toObject(), depth);
        break;
    case QJsonValue::Null:
    case QJsonValue::Undefined:
        out += "null";
        break;
    }
}
} // namespace

QByteArray WriteJson(const QJsonObject& document) {
    QByteArray out;
    AppendObject(out, document, 0);
    out += '\n';
    return out;
}
