#include "Lookups.h"

#include "core/catalogue/Books.h"

using namespace Qt::StringLiterals;

namespace tarvo::Lookups {

namespace {

GridColumn column(const QString &field, const QString &title, int width)
{
    return {field, title, width, ValueKind::Text, false};
}

GridColumn centred(const QString &field, const QString &title, int width)
{
    GridColumn c = column(field, title, width);
    c.centred = true;
    return c;
}

// A name, or the pinyin, wubi or stroke initials stored beside it.
SqlCondition nameOrInitials(const QString &prefix, const QString &text)
{
    return SqlCondition().anyOf({SqlCondition().contains(prefix + u"Name"_s, text),
                                 SqlCondition().beginsWith(prefix + u"Py"_s, text),
                                 SqlCondition().beginsWith(prefix + u"Wb"_s, text),
                                 SqlCondition().beginsWith(prefix + u"Wbh"_s, text)});
}

} // namespace

LookupDefinition supplier()
{
    LookupDefinition d;
    d.caption = u"选择供应商"_s;
    d.select = u"select * from Booksupplier"_s;
    d.order = u"Code"_s;
    d.columns = {column(u"Code"_s, u"供应商名称"_s, 300)};
    return d;
}

LookupDefinition reader()
{
    LookupDefinition d;
    d.caption = u"选择读者"_s;
    d.select = u"select * from ReaderInfo"_s;
    d.order = u"Code"_s;
    d.columns = {column(u"Code"_s, u"读者编号"_s, 80),      column(u"Name"_s, u"读者姓名"_s, 80),
                 column(u"TelDay"_s, u"电话(日)"_s, 90),    column(u"HandTel"_s, u"手机"_s, 100),
                 column(u"TelNight"_s, u"电话(夜)"_s, 90), column(u"Department"_s, u"部门"_s, 90)};
    d.modes = {
        {u"按编码查找"_s, u"Code"_s, [](const QString &t) { return SqlCondition().beginsWith(u"Code"_s, t); }},
        {u"按姓名查找"_s, u"Name"_s, [](const QString &t) { return nameOrInitials(QString(), t); }},
        {u"按部门查找"_s, u"Department"_s,
         [](const QString &t) { return SqlCondition().contains(u"Department"_s, t); }},
    };
    d.presetSearch = true;
    return d;
}

LookupDefinition publisher()
{
    LookupDefinition d;
    d.caption = u"选择出版社"_s;
    d.select = u"select * from Bookpub"_s;
    d.order = u"Isbn"_s;
    d.top = 30;
    d.columns = {column(u"Code"_s, u"出版社"_s, 220), column(u"Isbn"_s, u"ISBN"_s, 110)};
    d.modes = {{u"按名称查找"_s, u"Code"_s, [](const QString &t) {
                    return SqlCondition().anyOf({SqlCondition().contains(u"Code"_s, t),
                                                 SqlCondition().contains(u"Py"_s, t),
                                                 SqlCondition().contains(u"Wb"_s, t),
                                                 SqlCondition().contains(u"Wbh"_s, t)});
                }}};
    d.canAdd = true;
    return d;
}

LookupDefinition book(Engine engine)
{
    LookupDefinition d;
    d.caption = u"选择图书"_s;
    d.select = u"select a.Code, a.Name, a.SortCode, a.IsOut, a.IsLimit, b.ReturnDate from BookInfo a"
               " left join (select Code, ReturnDate from BorrowInfo where State = '未还') b on a.Code = b.Code"_s;
    d.order = u"a.Code"_s;
    d.columns = {centred(u"IsOut"_s, u"状态"_s, 50),        column(u"Code"_s, u"编号"_s, 90),
                 column(u"Name"_s, u"中文名称"_s, 180),     column(u"SortCode"_s, u"分类号"_s, 70),
                 column(u"ReturnDate"_s, u"应还日"_s, 80), column(u"IsLimit"_s, u"限制否"_s, 50)};
    d.modes = {
        {u"按编码查找"_s, u"Code"_s, [](const QString &t) { return SqlCondition().beginsWith(u"a.Code"_s, t); }},
        {u"按中文名称"_s, u"Name"_s,
         [engine](const QString &t) {
             return SqlCondition().anyOf({Books::copyTextContains(engine, u"a."_s, {u"Name"_s}, t),
                                          SqlCondition().beginsWith(u"a.Py"_s, t),
                                          SqlCondition().beginsWith(u"a.Wb"_s, t),
                                          SqlCondition().beginsWith(u"a.Wbh"_s, t)});
         }},
        {u"按类别查找"_s, u"SortCode"_s, [](const QString &t) { return SqlCondition().contains(u"a.SortCode"_s, t); }},
    };
    d.presetSearch = true;
    d.openAll = false;
    return d;
}

} // namespace tarvo::Lookups
