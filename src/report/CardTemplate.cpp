#include "CardTemplate.h"

#include "TemplateJson.h"

#include <QJsonArray>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace tarvo::report {

namespace {

using Kind = CardTemplate::Item::Kind;

const std::pair<Kind, QString> kindNames[] = {{Kind::Text, u"text"_s},
                                              {Kind::Field, u"field"_s},
                                              {Kind::Memo, u"memo"_s},
                                              {Kind::Barcode, u"barcode"_s},
                                              {Kind::Image, u"image"_s}};

const std::pair<Qt::Alignment, QString> horizontalNames[] = {
    {Qt::AlignLeft, u"left"_s}, {Qt::AlignHCenter, u"center"_s}, {Qt::AlignRight, u"right"_s}};
const std::pair<Qt::Alignment, QString> verticalNames[] = {
    {Qt::AlignTop, u"top"_s}, {Qt::AlignVCenter, u"middle"_s}, {Qt::AlignBottom, u"bottom"_s}};

template <class T, std::size_t N> std::optional<T> byName(const std::pair<T, QString> (&names)[N], const QString &name)
{
    for (const auto &[value, text] : names)
        if (text == name)
            return value;
    return std::nullopt;
}

template <class T, std::size_t N> QString nameOf(const std::pair<T, QString> (&names)[N], T value)
{
    for (const auto &[v, text] : names)
        if (v == value)
            return text;
    return names[0].second;
}

QColor colour(TemplateJson &in, const QJsonObject &o, const QString &key, const QColor &fallback)
{
    const QString name = in.text(o, key, QString());
    if (name.isEmpty())
        return fallback;
    if (!QColor::isValidColorName(name))
        in.fail(u"“%1”不是颜色：%2"_s.arg(key, name));
    return QColor::fromString(name);
}

CardTemplate::Item readItem(TemplateJson &in, const QJsonObject &o)
{
    CardTemplate::Item item;
    const QString kind = in.text(o, u"kind"_s, u"text"_s);
    if (const auto known = byName(kindNames, kind))
        item.kind = *known;
    else
        in.fail(u"不认识的项目“%1”"_s.arg(kind));
    item.rect = QRectF(in.number(o, u"x"_s, 0, 0, 1000), in.number(o, u"y"_s, 0, 0, 1000),
                       in.number(o, u"width"_s, 20, 0.5, 1000), in.number(o, u"height"_s, 5, 0.5, 1000));
    item.text = in.text(o, u"text"_s, QString());
    item.field = in.text(o, u"field"_s, CardTemplate::Item::defaultField(item.kind));
    if (item.kind != Kind::Text && item.field.isEmpty())
        in.fail(u"“%1”项目要有“field”"_s.arg(kind));
    item.font = in.font(o, u"font"_s, item.font);

    const QString vertical = item.kind == Kind::Memo ? u"top"_s : u"middle"_s;
    const auto horizontal = byName(horizontalNames, in.text(o, u"align"_s, u"left"_s));
    const auto upright = byName(verticalNames, in.text(o, u"valign"_s, vertical));
    if (!horizontal || !upright)
        in.fail(u"对齐应为 left、center、right 和 top、middle、bottom"_s);
    item.align = horizontal.value_or(Qt::AlignLeft) | upright.value_or(Qt::AlignVCenter);

    item.color = colour(in, o, u"color"_s, item.color);
    item.background = colour(in, o, u"background"_s, QColor());
    item.frame = in.flag(o, u"frame"_s).value_or(false);
    return item;
}

QJsonObject itemJson(const CardTemplate::Item &item)
{
    QJsonObject o{{u"kind"_s, nameOf(kindNames, item.kind)},
                  {u"x"_s, item.rect.x()},
                  {u"y"_s, item.rect.y()},
                  {u"width"_s, item.rect.width()},
                  {u"height"_s, item.rect.height()}};
    if (item.kind == Kind::Text)
        o.insert(u"text"_s, item.text);
    else
        o.insert(u"field"_s, item.field);
    o.insert(u"font"_s, TemplateJson::fontJson(item.font));
    o.insert(u"align"_s, nameOf(horizontalNames, item.align & Qt::AlignHorizontal_Mask));
    o.insert(u"valign"_s, nameOf(verticalNames, item.align & Qt::AlignVertical_Mask));
    if (item.color != QColor(Qt::black))
        o.insert(u"color"_s, item.color.name());
    if (item.background.isValid())
        o.insert(u"background"_s, item.background.name());
    if (item.frame)
        o.insert(u"frame"_s, true);
    return o;
}

} // namespace

QString CardTemplate::Item::defaultField(Kind kind)
{
    switch (kind) {
    case Kind::Barcode:
        return u"Code"_s;
    case Kind::Image:
        return u"PhotoBmp"_s;
    case Kind::Text:
    case Kind::Field:
    case Kind::Memo:
        break;
    }
    return {};
}

QString CardTemplate::kindName(Item::Kind kind)
{
    return nameOf(kindNames, kind);
}

QPageLayout CardTemplate::pageLayout() const
{
    return QPageLayout(paper, QPageLayout::Portrait, margins, QPageLayout::Millimeter);
}

std::optional<CardTemplate> CardTemplate::load(const QString &path, QString *error)
{
    return loadTemplate<CardTemplate>(path, error);
}

std::optional<CardTemplate> CardTemplate::fromJson(const QByteArray &json, QString *error)
{
    TemplateJson in;
    const QJsonObject root = in.root(json, u"card"_s, u"卡片报表"_s);

    CardTemplate t;
    const QJsonObject card = in.object(root, u"card"_s);
    t.card = QSizeF(in.number(card, u"width"_s, t.card.width(), 10, 1000),
                    in.number(card, u"height"_s, t.card.height(), 10, 1000));
    t.paper = in.paper(root.value(u"paper"_s), t.paper);
    t.margins = in.margins(root, u"margins"_s, t.margins);
    t.gap = in.number(root, u"gap"_s, t.gap, 0, 100);
    t.border = in.flag(root, u"border"_s).value_or(t.border);
    t.mirror = in.flag(root, u"mirror"_s).value_or(t.mirror);

    const QJsonValue items = root.value(u"items"_s);
    if (!items.isUndefined() && !items.isNull() && !items.isArray())
        in.fail(u"“items”应为项目的清单"_s);
    for (const QJsonValue &value : items.toArray()) {
        if (!value.isObject())
            in.fail(u"“items”应为项目的清单"_s);
        t.items << readItem(in, value.toObject());
    }

    if (!in.ok()) {
        if (error)
            *error = in.error();
        return std::nullopt;
    }
    return t;
}

QByteArray CardTemplate::toJson() const
{
    QJsonObject root{{u"kind"_s, u"card"_s},
                     {u"card"_s, QJsonObject{{u"width"_s, card.width()}, {u"height"_s, card.height()}}},
                     {u"paper"_s, TemplateJson::paperJson(paper)},
                     {u"margins"_s, TemplateJson::marginsJson(margins)},
                     {u"gap"_s, gap},
                     {u"border"_s, border},
                     {u"mirror"_s, mirror}};
    QJsonArray list;
    for (const Item &item : items)
        list << itemJson(item);
    root.insert(u"items"_s, list);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool CardTemplate::save(const QString &path, QString *error) const
{
    return TemplateJson::writeFile(path, toJson(), error);
}

} // namespace tarvo::report
