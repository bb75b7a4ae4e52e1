#include "ListTemplate.h"

#include "TemplateJson.h"

#include <QFontDatabase>
#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace tarvo::report {

namespace {

// Faces asked for by name in older templates (宋体, 楷体...) are matched by kind.
bool wantsSerif(const QString &family)
{
    for (const QString &mark : {u"宋"_s, u"仿"_s, u"楷"_s, u"明"_s, u"song"_s, u"serif"_s, u"ming"_s, u"kai"_s, u"fang"_s})
        if (family.contains(mark, Qt::CaseInsensitive) && !family.contains(u"sans"_s, Qt::CaseInsensitive))
            return true;
    return false;
}

QString installedFamily(const QString &wanted)
{
    if (!wanted.isEmpty() && QFontDatabase::hasFamily(wanted))
        return wanted;
    const QString sans[] = {u"Noto Sans CJK SC"_s, u"WenQuanYi Micro Hei"_s, u"WenQuanYi Zen Hei"_s,
                            u"Noto Serif CJK SC"_s};
    if (wantsSerif(wanted) && QFontDatabase::hasFamily(u"Noto Serif CJK SC"_s))
        return u"Noto Serif CJK SC"_s;
    for (const QString &family : sans)
        if (QFontDatabase::hasFamily(family))
            return family;
    return wanted;
}

const QString orientationNames[] = {u"portrait"_s, u"landscape"_s};

} // namespace

QString ListTemplate::defaultFamily()
{
    return u"Noto Sans CJK SC"_s;
}

QFont ListTemplate::Font::font() const
{
    QFont f;
    // The Chinese face stays behind the chosen one for characters it lacks.
    f.setFamilies({installedFamily(family), installedFamily(defaultFamily())});
    f.setPointSizeF(size > 0 ? size : 10);
    f.setBold(bold);
    // Unshaped Latin text keeps the glyphs the font maps characters to, and only
    // those carry their characters into a PDF: shaped, a code such as B00001 would
    // lose its digits when the file is searched or copied from.
    f.setStyleStrategy(QFont::PreferNoShaping);
    return f;
}

QPageLayout ListTemplate::pageLayout() const
{
    return QPageLayout(paper, orientation, margins, QPageLayout::Millimeter);
}

std::optional<ListTemplate> ListTemplate::load(const QString &path, QString *error)
{
    return loadTemplate<ListTemplate>(path, error);
}

std::optional<ListTemplate> ListTemplate::fromJson(const QByteArray &json, QString *error)
{
    TemplateJson in;
    const QJsonObject root = in.root(json, u"list"_s, u"清单报表"_s);

    ListTemplate t;
    t.title = in.text(root, u"title"_s, QString());
    t.paper = in.paper(root.value(u"paper"_s), t.paper);

    const QString orientation = in.text(root, u"orientation"_s, orientationNames[0]);
    if (orientation == orientationNames[1])
        t.orientation = QPageLayout::Landscape;
    else if (orientation != orientationNames[0])
        in.fail(u"方向应为 portrait 或 landscape"_s);

    t.margins = in.margins(root, u"margins"_s, t.margins);

    const QJsonObject fonts = in.object(root, u"fonts"_s);
    t.titleFont = in.font(fonts, u"title"_s, t.titleFont);
    t.headerFont = in.font(fonts, u"header"_s, t.headerFont);
    t.bodyFont = in.font(fonts, u"body"_s, t.bodyFont);

    const QJsonValue columns = root.value(u"columns"_s);
    if (!columns.isUndefined() && !columns.isNull() && !columns.isArray())
        in.fail(u"“columns”应为列的清单"_s);
    for (const QJsonValue &value : columns.toArray()) {
        const QJsonObject o = value.toObject();
        Column column;
        column.field = in.text(o, u"field"_s, QString());
        if (column.field.isEmpty())
            in.fail(u"每一列都要有“field”"_s);
        column.title = in.text(o, u"title"_s, QString());
        column.width = int(in.number(o, u"width"_s, 0, 0, 5000));
        column.sum = in.flag(o, u"sum"_s);
        t.columns << column;
    }

    if (!in.ok()) {
        if (error)
            *error = in.error();
        return std::nullopt;
    }
    return t;
}

QByteArray ListTemplate::toJson() const
{
    QJsonObject root{{u"kind"_s, u"list"_s}, {u"title"_s, title}};
    root.insert(u"paper"_s, TemplateJson::paperJson(paper));
    root.insert(u"orientation"_s, orientationNames[orientation == QPageLayout::Landscape ? 1 : 0]);
    root.insert(u"margins"_s, TemplateJson::marginsJson(margins));
    root.insert(u"fonts"_s, QJsonObject{{u"title"_s, TemplateJson::fontJson(titleFont)},
                                        {u"header"_s, TemplateJson::fontJson(headerFont)},
                                        {u"body"_s, TemplateJson::fontJson(bodyFont)}});
    QJsonArray list;
    for (const Column &column : columns) {
        QJsonObject o{{u"field"_s, column.field}};
        if (!column.title.isEmpty())
            o.insert(u"title"_s, column.title);
        if (column.width > 0)
            o.insert(u"width"_s, column.width);
        if (column.sum)
            o.insert(u"sum"_s, *column.sum);
        list << o;
    }
    root.insert(u"columns"_s, list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool ListTemplate::save(const QString &path, QString *error) const
{
    return TemplateJson::writeFile(path, toJson(), error);
}

} // namespace tarvo::report
