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

    // A template file's bytes; nothing, with the reason in error, when it cannot be read.
    static std::optional<QByteArray> readFile(const QString &path, QString *error);
    // Writes a template file whole or not at all.
    static bool writeFile(const QString &path, const QByteArray &json, QString *error);
    static QString faultIn(const QString &path, const QString &reason);

private:
    QString m_error;
};

// Reads a template of the kind T (T::fromJson); nothing, with the reason, when the
// file cannot be read or holds no such template.
template <class T> std::optional<T> loadTemplate(const QString &path, QString *error)
{
    const std::optional<QByteArray> json = TemplateJson::readFile(path, error);
    if (!json)
        return std::nullopt;
    QString reason;
    std::optional<T> result = T::fromJson(*json, &reason);
    if (!result && error)
        *error = TemplateJson::faultIn(path, reason);
    return result;
}

} // namespace tarvo::report
