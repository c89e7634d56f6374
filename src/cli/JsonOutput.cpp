#include "cli/JsonOutput.h"

#include <QJsonDocument>

namespace qarvo::cli {

void printJson(std::ostream& out, QJsonObject object)
{
    object.insert("schema", kJsonSchema);
    out << QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString() << std::flush;
}

void printJson(std::ostream& out, const QJsonArray& array)
{
    if (array.isEmpty()) {
        out << "[]\n" << std::flush; // rather than an empty array over two lines
        return;
    }
    out << QJsonDocument(array).toJson(QJsonDocument::Indented).toStdString() << std::flush;
}

QJsonValue isoTime(const QDateTime& time)
{
    if (!time.isValid())
        return QJsonValue(QJsonValue::Null);
    return time.toString(Qt::ISODate).left(19);
}

} // namespace qarvo::cli
