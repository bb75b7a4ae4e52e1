#include "Publishers.h"

#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/framework/EditRecord.h"
#include "core/framework/InputCodes.h"

using namespace Qt::StringLiterals;

namespace tarvo::Publishers {

namespace {

bool exists(Database &db, const QString &select, const QVariantList &params)
{
    return !db.scalar(select + db.dialect().limitClause(1), params).isNull();
}

} // namespace

SqlCondition quickSearch(const QString &text)
{
    return SqlCondition().anyOf({SqlCondition().contains(u"Code"_s, text), SqlCondition().equals(u"Isbn"_s, text),
                                 SqlCondition().beginsWith(u"PY"_s, text), SqlCondition().beginsWith(u"WB"_s, text),
                                 SqlCondition().beginsWith(u"WBH"_s, text)});
}

ListQuery list(const QString &search)
{
    const SqlCondition condition = quickSearch(search.trimmed());
    return {u"select * from Bookpub"_s + condition.whereClause(), condition.params(), u"Isbn"_s};
}

bool CheckDelete(Database &db, Prompt &prompt, const QString &code)
{
    if (!exists(db, u"select 1 from BookInfo where Publisher = ?"_s, {code}))
        return true;
    prompt.info(u"该出版社还有图书数据,不能删除!"_s);
    return false;
}

bool isbnTaken(Database &db, const QString &isbn, const QString &exceptCode)
{
    if (isbn.trimmed().isEmpty())
        return false;
    if (exceptCode.isEmpty())
        return exists(db, u"select 1 from Bookpub where Isbn = ?"_s, {isbn.trimmed()});
    return exists(db, u"select 1 from Bookpub where Isbn = ? and (Code is null or Code <> ?)"_s,
                  {isbn.trimmed(), exceptCode});
}

bool checkIsbn(Database &db, Prompt &prompt, const QString &isbn, const QString &exceptCode)
{
    if (!isbnTaken(db, isbn, exceptCode))
        return true;
    prompt.info(u"该出版社Isbn已有重复！请重新录入"_s);
    return false;
}

Refusal CheckData(Database &db, Prompt &prompt, const EditRecord &record)
{
    const QString code = record.text(u"Code"_s);
    if (code.isEmpty()) {
        prompt.info(u"名称必须填写！"_s);
        return Refusal::NoName;
    }
    const bool adding = record.mode() == EditRecord::Mode::Add;
    if (adding && exists(db, u"select 1 from Bookpub where Code = ?"_s, {code})) {
        prompt.info(u"该出版社名称已有重复！请重新录入"_s);
        return Refusal::NameTaken;
    }
    if (!checkIsbn(db, prompt, record.text(u"Isbn"_s), adding ? QString() : code))
        return Refusal::IsbnTaken;
    return Refusal::None;
}

void BeforeSave(EditRecord &record)
{
    const QString code = record.text(u"Code"_s);
    if (code.isEmpty())
        return;
    const InputCodes codes = MakeInputCodes(code);
    record.setValue(u"PY"_s, codes.Py);
    record.setValue(u"WBH"_s, codes.Wbh);
    record.setValue(u"WB"_s, codes.Wb);
}

} // namespace tarvo::Publishers
