#include "TemplateJson.h"

#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSizeF>

using namespace Qt::StringLiterals;

namespace tarvo::report {

QJsonObject TemplateJson::root(const QByteArray &json, const QString &kind, const QString &kindName)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        fail(u"第%1个字符处：%2"_s.arg(parseError.offset).arg(parseError.errorString()));
    else if (!document.isObject())
        fail(u"内容不是报表模板"_s);
    const QJsonObject root = document.object();
    if (ok() && text(root, u"kind"_s, kind) != kind)
        fail(u"不是%1模板"_s.arg(kindName));
    return root;
}

void TemplateJson::fail(const QString &message)
{
    if (m_error.isEmpty())
        m_error = message;
}

QString TemplateJson::text(const QJsonObject &o, const QString &key, const QString &fallback)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined() || v.isNull())
        return fallback;
    if (!v.isString())
        fail(u"“%1”应为文字"_s.arg(key));
    return v.toString();
}

double TemplateJson::number(const QJsonObject &o, const QString &key, double fallback, double min, double max)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined() || v.isNull())
        return fallback;
    if (!v.isDouble() || v.toDouble() < min || v.toDouble() > max) {
        fail(u"“%1”应为%2到%3之间的数"_s.arg(key).arg(min).arg(max));
        return fallback;
    }
    return v.toDouble();
}

std::optional<bool> TemplateJson::flag(const QJsonObject &o, const QString &key)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined() || v.isNull())
        return std::nullopt;
    if (!v.isBool())
        fail(u"“%1”应为 true 或 false"_s.arg(key));
    return v.toBool();
}

QJsonObject TemplateJson::object(const QJsonObject &o, const QString &key)
{
    const QJsonValue v = o.value(key);
    if (!v.isUndefined() && !v.isNull() && !v.isObject())
        fail(u"“%1”格式不对"_s.arg(key));
    return v.toObject();
}

ListTemplate::Font TemplateJson::font(const QJsonObject &fonts, const QString &key, ListTemplate::Font font)
{
    const QJsonObject o = object(fonts, key);
    font.family = text(o, u"family"_s, font.family);
    font.size = number(o, u"size"_s, font.size, 4, 72);
    font.bold = flag(o, u"bold"_s).value_or(font.bold);
    return font;
}

QPageSize TemplateJson::paper(const QJsonValue &v, const QPageSize &fallback)
{
    if (v.isUndefined() || v.isNull())
        return fallback;
    if (v.isString()) {
        for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
            const auto size = QPageSize::PageSizeId(id);
            if (size != QPageSize::Custom && QPageSize::key(size).compare(v.toString(), Qt::CaseInsensitive) == 0)
                return QPageSize(size);
        }
        fail(u"不认识的纸张“%1”"_s.arg(v.toString()));
        return fallback;
    }
    const QJsonObject o = v.toObject();
    const double width = number(o, u"width"_s, 0, 20, 2000);
    const double height = number(o, u"height"_s, 0, 20, 5000);
    if (!v.isObject() || width <= 0 || height <= 0) {
        fail(u"纸张应为纸张名称，或以毫米计的宽度和高度"_s);
        return fallback;
    }
    return QPageSize(QSizeF(width, height), QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

QMarginsF TemplateJson::margins(const QJsonObject &root, const QString &key, const QMarginsF &fallback)
{
    const QJsonObject o = object(root, key);
    return QMarginsF(number(o, u"left"_s, fallback.left(), 0, 100), number(o, u"top"_s, fallback.top(), 0, 100),
                     number(o, u"right"_s, fallback.right(), 0, 100),
                     number(o, u"bottom"_s, fallback.bottom(), 0, 100));
}

QJsonObject TemplateJson::fontJson(const ListTemplate::Font &font)
{
    QJsonObject o{{u"family"_s, font.family}, {u"size"_s, font.size}};
    if (font.bold)
        o.insert(u"bold"_s, true);
    return o;
}

QJsonValue TemplateJson::paperJson(const QPageSize &paper)
{
    if (paper.id() != QPageSize::Custom)
        return QPageSize::key(paper.id());
    const QSizeF mm = paper.size(QPageSize::Millimeter);
    return QJsonObject{{u"width"_s, mm.width()}, {u"height"_s, mm.height()}};
}

QJsonObject TemplateJson::marginsJson(const QMarginsF &margins)
{
    return QJsonObject{{u"left"_s, margins.left()},
                       {u"top"_s, margins.top()},
                       {u"right"_s, margins.right()},
                       {u"bottom"_s, margins.bottom()}};
}

std::optional<QByteArray> TemplateJson::readFile(const QString &path, QString *error)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return file.readAll();
    if (error)
        *error = u"无法读取报表模板：%1"_s.arg(path);
    return std::nullopt;
}

bool TemplateJson::writeFile(const QString &path, const QByteArray &json, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(json) >= 0 && file.commit())
        return true;
    if (error)
        *error = u"无法保存报表模板：%1"_s.arg(path);
    return false;
}

QString TemplateJson::faultIn(const QString &path, const QString &reason)
{
    return u"报表模板 %1 有误：%2"_s.arg(path, reason);
}

} // namespace tarvo::report
