#include "ReaderTypes.h"

#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/framework/EditRecord.h"

using namespace Qt::StringLiterals;

namespace tarvo::ReaderTypes {

namespace {

bool exists(Database &db, const QString &select, const QVariantList &params)
{
    return !db.scalar(select + db.dialect().limitClause(1), params).isNull();
}

} // namespace

ListQuery list()
{
    return {u"select * from ReaderType"_s, u"Code"_s};
}

QStringList codes(Database &db)
{
    QStringList names;
    const ResultSet rs = db.query(u"select Code from ReaderType where Code is not null order by Code"_s);
    for (qsizetype r = 0; r < rs.count(); ++r)
        names << rs.at(r, 0).toString();
    return names;
}

bool checkCode(Database &db, Prompt &prompt, const QString &code)
{
    if (code.trimmed().isEmpty() || !exists(db, u"select 1 from ReaderType where Code = ?"_s, {code.trimmed()}))
        return true;
    prompt.info(u"该类别已有重码！请重新录入"_s);
    return false;
}

Refusal CheckData(Database &db, Prompt &prompt, const EditRecord &record)
{
    const QString code = record.text(u"Code"_s);
    if (code.isEmpty()) {
        prompt.info(u"类型名称必须填写！"_s);
        return Refusal::NoName;
    }
    // Checked again on saving: the name is the key, two types of one name would be one.
    if (record.mode() == EditRecord::Mode::Add && !checkCode(db, prompt, code))
        return Refusal::NameTaken;
    return Refusal::None;
}

bool CheckDelete(Database &db, Prompt &prompt, const QString &code)
{
    if (!exists(db, u"select 1 from ReaderInfo where SortCode = ?"_s, {code}))
        return true;
    prompt.info(u"该类型还有读者数据,不能删除!"_s);
    return false;
}

std::optional<Limits> limits(Database &db, const QString &code)
{
    const ResultSet rs = db.query(u"select * from ReaderType where Code = ?"_s, {code});
    if (rs.isEmpty())
        return std::nullopt;
    // A null number reads as 0.
    return Limits{int(rs.integer(u"CeQty")), int(rs.integer(u"LimitDay")), int(rs.integer(u"RenewTime")),
                  rs.boolean(u"IsLimit"),    int(rs.integer(u"CeQty1")),   int(rs.integer(u"LimitDay1")),
                  rs.boolean(u"IsLimit1")};
}

LookupDefinition lookup()
{
    LookupDefinition d;
    d.caption = u"选择读者类别"_s;
    d.select = u"select * from ReaderType"_s;
    d.order = u"Code"_s;
    d.columns = {{u"Code"_s, u"类别"_s, 300, ValueKind::Text, false}};
    d.canAdd = true;
    return d;
}

} // namespace tarvo::ReaderTypes
