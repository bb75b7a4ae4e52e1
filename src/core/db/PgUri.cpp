#include "PgUri.h"

#include <QUrl>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace tarvo {

PgUri PgUri::parse(const QString &uri)
{
    const QUrl url(uri);
    PgUri result;
    result.host = url.host();
    result.port = url.port(-1);
    result.user = url.userName(QUrl::FullyDecoded);
    result.password = url.password(QUrl::FullyDecoded);
    result.database = url.path(QUrl::FullyDecoded).mid(1);

    QStringList options;
    const auto items = QUrlQuery(url).queryItems(QUrl::FullyDecoded);
    for (const auto &[key, value] : items) {
        if (key == u"host")
            result.host = value;
        else if (key == u"port")
            result.port = value.toInt();
        else if (key == u"user")
            result.user = value;
        else if (key == u"password")
            result.password = value;
        else if (key == u"dbname")
            result.database = value;
        else
            options << key + u'=' + value;
    }
    result.options = options.join(u';');
    return result;
}

QString PgUri::toUri() const
{
    // A socket directory cannot stand in the authority; libpq takes it as a query option.
    const bool socket = host.startsWith(u'/');
    QString text = u"postgresql://"_s;
    if (!user.isEmpty()) {
        text += QString::fromUtf8(QUrl::toPercentEncoding(user));
        if (!password.isEmpty())
            text += u':' + QString::fromUtf8(QUrl::toPercentEncoding(password));
        text += u'@';
    }
    QStringList query;
    if (socket) {
        query << u"host="_s + QString::fromUtf8(QUrl::toPercentEncoding(host));
        if (port >= 0)
            query << u"port="_s + QString::number(port);
    } else {
        text += host;
        if (port >= 0)
            text += u':' + QString::number(port);
    }
    text += u'/' + QString::fromUtf8(QUrl::toPercentEncoding(database));
    if (!options.isEmpty()) {
        for (const QString &option : options.split(u';')) {
            const qsizetype eq = option.indexOf(u'=');
            query << QString::fromUtf8(QUrl::toPercentEncoding(option.left(eq))) + u'='
                    + QString::fromUtf8(QUrl::toPercentEncoding(option.mid(eq + 1)));
        }
    }
    if (!query.isEmpty())
        text += u'?' + query.join(u'&');
    return text;
}

QString PgUri::withoutPassword() const
{
    PgUri copy = *this;
    copy.password.clear();
    return copy.toUri();
}

} // namespace tarvo
