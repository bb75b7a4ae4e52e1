#include "BookRecords.h"

#include "Isbn.h"
#include "core/app/Prompt.h"
#include "core/db/Database.h"
#include "core/framework/EditRecord.h"
#include "core/framework/InputCodes.h"

using namespace Qt::StringLiterals;

namespace tarvo::BookRecords {

namespace {

bool exists(Database &db, const QString &select, const QVariantList &params)
{
    return !db.scalar(select + db.dialect().limitClause(1), params).isNull();
}

const QStringList kMoneyFields{u"BookPrice"_s, u"AvePrice"_s};

QString inList(qsizetype n)
{
    QStringList marks(n, u"?"_s);
    return u"("_s + marks.join(u", "_s) + u")"_s;
}

} // namespace

QString storedCode(const EditRecord &record)
{
    return record.mode() == EditRecord::Mode::Edit ? record.snapshot().loaded.value(u"code"_s).toString() : QString();
}

bool checkCode(Database &db, Prompt &prompt, const QString &code, const QString &exceptCode)
{
    const QString c = code.trimmed();
    if (c.isEmpty())
        return true;
    const bool taken = exceptCode.isEmpty()
        ? exists(db, u"select 1 from BookInfo where Code = ?"_s, {c})
        : exists(db, u"select 1 from BookInfo where Code = ? and Code <> ?"_s, {c, exceptCode});
    if (!taken)
        return true;
    prompt.info(u"该图书已有重码！请重新录入"_s);
    return false;
}

bool checkClass(Database &db, Prompt &prompt, const QString &sortCode)
{
    const QString c = sortCode.trimmed();
    if (!c.isEmpty() && exists(db, u"select 1 from Type where SortCode = ?"_s, {c}))
        return true;
    prompt.info(u"无此分类号!"_s);
    return false;
}

QString nextSortNum(Database &db, BookTable table, const QString &sortCode)
{
    // Numbers that are digits only count; anything else a person typed is passed over.
    const QString number = db.engine() == Engine::SQLite
        ? u"case when trim(SortNum) <> '' and trim(SortNum) not glob '*[^0-9]*' then cast(trim(SortNum) as integer) end"_s
        : u"case when trim(SortNum) ~ '^[0-9]+$' then cast(trim(SortNum) as numeric) end"_s;
    const QVariant largest = db.scalar(u"select max("_s + number + u") from "_s + tableName(table)
                                           + u" where SortCode = ? and SortNum is not null"_s,
                                       {sortCode});
    return QString::number((largest.isNull() ? 0 : largest.toLongLong()) + 1);
}

void numberCopy(Database &db, BookTable table, EditRecord &record)
{
    const QString sortCode = record.text(u"SortCode"_s);
    if (sortCode.isEmpty())
        return;
    const QString number = nextSortNum(db, table, sortCode);
    record.setValue(u"SortNum"_s, number);
    record.setValue(u"Scode"_s, QString(sortCode + u'/' + number));
}

QString publisherByIsbn(Database &db, const QString &isbn)
{
    // The 978 form first (the form prefixes are kept in), then the older 10-digit form.
    QStringList forms;
    for (const QString &form : {Isbn::toIsbn13(isbn), Isbn::toIsbn10(isbn), Isbn::compact(isbn)}) {
        if (!form.isEmpty() && !forms.contains(form))
            forms << form;
    }
    for (const QString &form : forms) {
        for (int n = 4; n <= 10 && n <= form.size(); ++n) {
            const ResultSet rows = db.query(
                u"select Code from Bookpub where replace(Isbn, '-', '') = ?"_s + db.dialect().limitClause(2),
                {form.left(n)});
            if (rows.count() == 1)
                return rows.at(0, 0).toString();
        }
    }
    return {};
}

ResultSet copySources(Database &db, BookTable source, const QString &isbn)
{
    const QStringList spellings = Isbn::storedSpellings(isbn);
    if (spellings.isEmpty())
        return {};
    QVariantList params;
    for (const QString &s : spellings)
        params << s;
    return db.query(u"select * from "_s + tableName(source) + u" where BookIsbn in "_s + inList(params.size())
                        + u" order by Id"_s,
                    params);
}

const QStringList &copyFields()
{
    static const QStringList fields{
        u"Name"_s,     u"YName"_s,    u"CodeSet"_s,    u"Scode"_s,      u"SortCode"_s, u"Publisher"_s, u"Writer"_s,
        u"PubDate"_s,  u"BookPrice"_s, u"AvePrice"_s,  u"BookPage"_s,   u"BookIsbn"_s, u"Translator"_s, u"Attach"_s,
        u"language"_s, u"Print"_s,    u"Size"_s,       u"Grade"_s,      u"Supplier"_s, u"RegDate"_s,   u"Remarks"_s,
        u"BookPosi"_s, u"IsLimit"_s,  u"SortNum"_s,    u"PubNum"_s,     u"Remarks1"_s};
    return fields;
}

void copyDescription(EditRecord &record, const ResultSet &sources, qsizetype row)
{
    for (const QString &field : copyFields()) {
        const int column = sources.fieldIndex(field);
        if (column < 0)
            continue;
        const QVariant value = sources.at(row, column);
        if (kMoneyFields.contains(field, Qt::CaseInsensitive))
            record.setValue(field, value.isNull() ? QVariant() : QVariant(value.toDouble()));
        else
            record.setValue(field, value);
    }
}

bool copySaved(Database &db, BookTable table, qint64 id, EditRecord &record)
{
    const ResultSet saved = db.query(u"select * from "_s + tableName(table) + u" where Id = ?"_s, {id});
    if (saved.isEmpty())
        return false;
    copyDescription(record, saved, 0);
    return true;
}

Refusal CheckData(Database &db, Prompt &prompt, BookTable table, const EditRecord &record)
{
    const bool catalogue = table == BookTable::Catalogue;
    if ((catalogue && record.text(u"Code"_s).isEmpty()) || record.text(u"Name"_s).isEmpty()
        || record.text(u"SortCode"_s).isEmpty()) {
        prompt.info(u"图书编号、中文名称和类别必须填写！"_s);
        return Refusal::Missing;
    }
    if (!catalogue)
        return Refusal::None;
    // Checked again here: another desk may have taken the number since the box was left.
    if (!checkCode(db, prompt, record.text(u"Code"_s), storedCode(record)))
        return Refusal::CodeTaken;
    if (!checkClass(db, prompt, record.text(u"SortCode"_s)))
        return Refusal::NoSuchClass;
    return Refusal::None;
}

void fillInputCodes(EditRecord &record)
{
    const QString name = record.text(u"Name"_s);
    if (name.isEmpty())
        return;
    const InputCodes codes = MakeInputCodes(name);
    record.setValue(u"Py"_s, codes.Py);
    record.setValue(u"Wb"_s, codes.Wb);
    record.setValue(u"Wbh"_s, codes.Wbh);
}

void BeforeSave(Database &db, BookTable table, EditRecord &record)
{
    fillInputCodes(record);
    if (table != BookTable::Catalogue)
        return;
    if (record.mode() == EditRecord::Mode::Edit) {
        // The number as stored: the copy's loans and reservations follow a new number.
        const QString stored = storedCode(record);
        const QString code = record.text(u"Code"_s);
        if (!stored.isEmpty() && stored != code)
            db.exec(u"update BorrowInfo set Code = ? where Code = ?"_s, {code, stored});
        return;
    }
    const QString isbn = record.text(u"BookIsbn"_s);
    db.exec(u"update BookShort set BeBuy = coalesce(BeBuy, 0) + 1 where Name = ? or BookIsbn = ?"_s,
            {record.text(u"Name"_s), isbn.isEmpty() ? QVariant() : QVariant(isbn)});
}

} // namespace tarvo::BookRecords
