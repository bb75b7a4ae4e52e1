#pragma once

#include "ListTemplate.h"

#include <QJsonObject>
#include <QMarginsF>
#include <QPageSize>
#include <QString>
#include <optional>

namespace tarvo::report {

// Reading and writing the pieces that every kind of template file shares. A reader
// keeps the first fault it meets, so that a template is refused with one clear reason.
class TemplateJson
{
public:
    // The document's root object, or a fault when it is not JSON of the given kind
    // ("list", "card"); a file without "kind" is taken to be of the kind asked for.
    QJsonObject root(const QByteArray &json, const QString &kind, const QString &kindName);

    bool ok() const { return m_error.isEmpty(); }
    const QString &error() const { return m_error; }
    void fail(const QString &message);

    QString text(const QJsonObject &o, const QString &key, const QString &fallback);
    double number(const QJsonObject &o, const QString &key, double fallback, double min, double max);
    std::optional<bool> flag(const QJsonObject &o, const QString &key);
    QJsonObject object(const QJsonObject &o, const QString &key);
    ListTemplate::Font font(const QJsonObject &o, const QString &key, ListTemplate::Font font);
    QPageSize paper(const QJsonValue &v, const QPageSize &fallback);
    QMarginsF margins(const QJsonObject &o, const QString &key, const QMarginsF &fallback);

    static QJsonObject fontJson(const ListTemplate::Font &font);
    static QJsonValue paperJson(const QPageSize &paper);
    static QJsonObject marginsJson(const QMarginsF &margins);

private:
    QString m_error;
};

} // namespace tarvo::report
