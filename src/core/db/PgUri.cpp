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
    QUrl url;
    url.setScheme(u"postgresql"_s);
    url.setUserName(user);
    url.setPassword(password);
    QUrlQuery query;
    if (host.startsWith(u'/'))
        query.addQueryItem(u"host"_s, host);
    else
        url.setHost(host);
    if (port >= 0) {
        if (host.startsWith(u'/'))
            query.addQueryItem(u"port"_s, QString::number(port));
        else
            url.setPort(port);
    }
    url.setPath(u'/' + database);
    if (!options.isEmpty()) {
        for (const QString &option : options.split(u';')) {
            const qsizetype eq = option.indexOf(u'=');
            query.addQueryItem(option.left(eq), option.mid(eq + 1));
        }
    }
    url.setQuery(query);
    // A socket directory in the authority is not a valid URL; keep it in the query.
    QString text = url.toString(QUrl::FullyEncoded);
    if (url.host().isEmpty())
        text.replace(u"postgresql:/"_s + (user.isEmpty() ? u"/"_s : QString()), u"postgresql://"_s);
    return text;
}

QString PgUri::withoutPassword() const
{
    PgUri copy = *this;
    copy.password.clear();
    return copy.toUri();
}

} // namespace tarvo
