#include "Readers.h"

#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/db/DbError.h"
#include "core/db/Transaction.h"
#include "core/framework/EditRecord.h"
#include "core/framework/InputCodes.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace tarvo::Readers {

namespace {

bool exists(Database &db, const QString &select, const QVariantList &params)
{
    return !db.scalar(select + db.dialect().limitClause(1), params).isNull();
}

// Whether a reader other than exceptCode already has the number.
bool codeTaken(Database &db, const QString &code, const QString &exceptCode)
{
    if (exceptCode.isEmpty())
        return exists(db, u"select 1 from ReaderInfo where Code = ?"_s, {code});
    return exists(db, u"select 1 from ReaderInfo where Code = ? and Code <> ?"_s, {code, exceptCode});
}

// The name, or one of its initials beginning with the text.
QList<SqlCondition> nameOrInitials(const QString &text)
{
    return {SqlCondition().contains(u"Name"_s, text), SqlCondition().beginsWith(u"Py"_s, text),
            SqlCondition().beginsWith(u"Wb"_s, text), SqlCondition().beginsWith(u"Wbh"_s, text)};
}

// Why the reader cannot go, or nothing.
QString openLoans(Database &db, const QString &code)
{
    if (exists(db, u"select 1 from BorrowInfo where Rcode = ? and State = '未还'"_s, {code}))
        return u"该读者还有未还图书,不能删除!"_s;
    if (exists(db, u"select 1 from BorrowInfo1 where Rcode = ? and State = '未还'"_s, {code}))
        return u"该读者还有未还期刊,不能删除!"_s;
    return {};
}

} // namespace

ListQuery list(const SqlCondition &condition)
{
    return {u"select * from ReaderInfo"_s + condition.whereClause(), condition.params(), u"Code"_s};
}

SqlCondition quickSearch(const QString &text)
{
    const QString t = text.trimmed();
    return SqlCondition().anyOf(QList<SqlCondition>{SqlCondition().contains(u"Code"_s, t)} + nameOrInitials(t));
}

SqlCondition searchCondition(const SearchInput &input)
{
    const QString tel = input.tel.trimmed();
    return SqlCondition()
        .contains(u"Code"_s, input.code.trimmed())
        .anyOf(nameOrInitials(input.name.trimmed()))
        .equals(u"SortCode"_s, input.sortCode.trimmed())
        .equals(u"Department"_s, input.department.trimmed())
        .anyOf({SqlCondition().contains(u"TelDay"_s, tel), SqlCondition().contains(u"TelNight"_s, tel),
                SqlCondition().contains(u"HandTel"_s, tel)})
        .contains(u"Addr"_s, input.addr.trimmed());
}

QString storedCode(const EditRecord &record)
{
    return record.mode() == EditRecord::Mode::Edit ? record.snapshot().loaded.value(u"code"_s).toString() : QString();
}

bool checkCode(Database &db, Prompt &prompt, const QString &code, const QString &exceptCode)
{
    if (code.trimmed().isEmpty() || !codeTaken(db, code.trimmed(), exceptCode))
        return true;
    prompt.info(u"该读者已有重码！请重新录入"_s);
    return false;
}

bool checkType(Database &db, Prompt &prompt, const QString &sortCode)
{
    if (!sortCode.trimmed().isEmpty() && exists(db, u"select 1 from ReaderType where Code = ?"_s, {sortCode.trimmed()}))
        return true;
    prompt.info(u"无此类别!"_s);
    return false;
}

Refusal CheckData(Database &db, Prompt &prompt, const EditRecord &record)
{
    const QString code = record.text(u"Code"_s);
    if (code.isEmpty() || record.text(u"Name"_s).isEmpty() || record.text(u"SortCode"_s).isEmpty()) {
        prompt.info(u"读者编号、姓名和类别必须填写！"_s);
        return Refusal::Missing;
    }
    // Checked again here: another desk may have taken the number since the box was left.
    if (!checkCode(db, prompt, code, storedCode(record)))
        return Refusal::CodeTaken;
    if (!checkType(db, prompt, record.text(u"SortCode"_s)))
        return Refusal::NoSuchType;
    return Refusal::None;
}

void BeforeSave(Database &db, EditRecord &record)
{
    const QString name = record.text(u"Name"_s);
    if (!name.isEmpty()) {
        const InputCodes codes = MakeInputCodes(name);
        record.setValue(u"Py"_s, codes.Py);
        record.setValue(u"Wb"_s, codes.Wb);
        record.setValue(u"Wbh"_s, codes.Wbh);
    }
    // The number as stored, not as last typed: every loan of the reader follows.
    const QString stored = storedCode(record);
    const QString code = record.text(u"Code"_s);
    if (stored.isEmpty() || stored == code)
        return;
    db.exec(u"update BorrowInfo set Rcode = ? where Rcode = ?"_s, {code, stored});
    db.exec(u"update BorrowInfo1 set Rcode = ? where Rcode = ?"_s, {code, stored});
}

bool linkPhoto(EditRecord &record, const QString &file)
{
    QFile photo(file);
    if (!photo.open(QIODevice::ReadOnly))
        return false;
    const QByteArray picture = photo.readAll();
    if (picture.isEmpty())
        return false;
    record.setValue(u"Photo"_s, file);
    record.setValue(u"PhotoBmp"_s, picture);
    return true;
}

void removePhoto(EditRecord &record)
{
    record.setValue(u"Photo"_s, QVariant());
    record.setValue(u"PhotoBmp"_s, QVariant());
}

bool CheckDelete(Database &db, Prompt &prompt, const QString &code)
{
    const QString refusal = openLoans(db, code);
    if (refusal.isEmpty())
        return true;
    prompt.info(refusal);
    return false;
}

DeleteResult DeleteReader(Database &db, Prompt &prompt, const QString &code)
{
    if (!CheckDelete(db, prompt, code))
        return DeleteResult::Refused;
    if (prompt.question(u"是否删除此记录,连同读者借书数据一起删除？"_s, u"询问"_s,
                        Prompt::Button::Ok | Prompt::Button::Cancel, Prompt::Button::Ok) != Prompt::Button::Ok)
        return DeleteResult::Cancelled;
    try {
        Transaction transaction(db);
        // Another desk may have lent to the reader while the question was open.
        const QString refusal = openLoans(db, code);
        if (!refusal.isEmpty()) {
            prompt.info(refusal);
            return DeleteResult::Refused;
        }
        db.exec(u"delete from BorrowInfo where Rcode = ?"_s, {code});
        db.exec(u"delete from BorrowInfo1 where Rcode = ?"_s, {code});
        db.exec(u"delete from ReaderInfo where Code = ?"_s, {code});
        transaction.commit();
        return DeleteResult::Deleted;
    } catch (const DbError &) {
        prompt.info(u"删除出错！"_s);
        return DeleteResult::Failed;
    }
}

QStringList departments(Database &db)
{
    return WordList::words(db, u"Readerdept"_s);
}

const QList<WordList::Table> &wordTables()
{
    static const QList<WordList::Table> tables{
        {u"部门"_s, u"Readerdept"_s}, {u"地址"_s, u"ReaderAddr"_s}, {u"备注"_s, u"BookRemark"_s}};
    return tables;
}

} // namespace tarvo::Readers
