#include "Operators.h"

#include "OperatorRights.h"
#include "PasswordHash.h"
#include "Prompt.h"
#include "core/db/Database.h"
#include "core/db/Transaction.h"

using namespace Qt::StringLiterals;

namespace tarvo {

namespace {

bool sameCode(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

const QString kSuperUser = u"超级用户"_s;

} // namespace

QStringList Operators::duties()
{
    return {u"操作员"_s, u"管理员"_s, kSuperUser};
}

QString Operators::adminCode()
{
    return u"Admin"_s;
}

QStringList Operators::codes()
{
    ResultSet rows = m_db.query(u"select UseCode from SystemUser order by UseCode"_s);
    QStringList result;
    for (rows.first(); !rows.eof(); rows.next())
        result << rows.text(u"UseCode");
    return result;
}

QString Operators::nameOf(const QString &code)
{
    return m_db.scalar(u"select UseName from SystemUser where UseCode = ?"_s, {code.trimmed()}).toString();
}

ResultSet Operators::list()
{
    return m_db.query(u"select UseCode, UseName, Duty from SystemUser order by UseCode"_s);
}

OperatorRecord Operators::find(const QString &code)
{
    const ResultSet row = m_db.query(u"select UseCode, UseName, Duty from SystemUser where UseCode = ?"_s, {code});
    if (row.isEmpty())
        return {};
    return {row.text(u"UseCode"), row.text(u"UseName"), row.text(u"Duty")};
}

QString Operators::logIn(Prompt &prompt, const QString &code, const QString &password)
{
    const QString typed = password.trimmed();
    ResultSet rows = m_db.query(u"select UseCode, Passwords from SystemUser where UseCode = ?"_s, {code.trimmed()});
    for (rows.first(); !rows.eof(); rows.next()) {
        const QString stored = rows.text(u"Passwords");
        if (!PasswordHash::matches(stored, typed))
            continue;
        const QString found = rows.text(u"UseCode");
        if (!stored.isEmpty() && !PasswordHash::isHash(stored)) {
            m_db.exec(u"update SystemUser set Passwords = ? where UseCode = ? and Passwords = ?"_s,
                      {PasswordHash::hash(typed), found, stored});
        }
        return found;
    }
    prompt.error(u"输入错误，请重新输入!"_s);
    return {};
}

Operators::PasswordChange Operators::changePassword(Prompt &prompt, const QString &code, const QString &oldPassword,
                                                    const QString &newPassword, const QString &confirmation)
{
    if (newPassword != confirmation) {
        prompt.error(u"两次输入密码不一致，请重新输入!"_s);
        return PasswordChange::Mismatch;
    }
    const ResultSet row = m_db.query(u"select Passwords from SystemUser where UseCode = ?"_s, {code});
    if (row.isEmpty() || !PasswordHash::matches(row.text(u"Passwords"), oldPassword.trimmed())) {
        prompt.error(u"旧密码输入错误，请重新输入!"_s);
        return PasswordChange::WrongOld;
    }
    m_db.exec(u"update SystemUser set Passwords = ? where UseCode = ?"_s,
              {PasswordHash::hash(newPassword.trimmed()), code});
    return PasswordChange::Changed;
}

bool Operators::confirmationDiffers(Prompt &prompt, const QString &password, const QString &confirmation)
{
    if (password == confirmation)
        return false;
    prompt.info(u"用户密码不一致，请重新输入"_s);
    return true;
}

bool Operators::codeLocked(const OperatorRecord &current)
{
    return sameCode(current.UseCode, adminCode());
}

bool Operators::dutyLocked(const OperatorRecord &current)
{
    return current.Duty == kSuperUser;
}

Operators::SaveResult Operators::checkInput(Prompt &prompt, const OperatorRecord &record, const QString &password,
                                            const QString &confirmation)
{
    if (prompt.question(u"是否确定完成!"_s, u"提示！"_s, Prompt::Button::Yes | Prompt::Button::No,
                        Prompt::Button::Yes) != Prompt::Button::Yes)
        return SaveResult::Cancelled;
    if (record.UseCode.isEmpty() || record.UseName.isEmpty() || record.Duty.isEmpty()) {
        prompt.info(u"用户数据不完整，请重新输入"_s);
        return SaveResult::Incomplete;
    }
    if (password != confirmation) {
        prompt.info(u"密码不一致，请重新输入"_s);
        return SaveResult::PasswordMismatch;
    }
    return SaveResult::Saved;
}

bool Operators::codeTaken(const QString &code)
{
    return m_db.scalar(u"select count(*) from SystemUser where UseCode = ?"_s, {code}).toInt() > 0;
}

// Codes, names and passwords are stored trimmed: the log-in trims what it is given,
// so a stored blank at either end would lock the operator out for good.
Operators::SaveResult Operators::add(Prompt &prompt, const OperatorRecord &record, const QString &password,
                                     const QString &confirmation)
{
    const OperatorRecord r{record.UseCode.trimmed(), record.UseName.trimmed(), record.Duty.trimmed()};
    const SaveResult checked = checkInput(prompt, r, password.trimmed(), confirmation.trimmed());
    if (checked != SaveResult::Saved)
        return checked;
    if (codeTaken(r.UseCode)) {
        prompt.info(u"用户编码重复，请重新输入"_s);
        return SaveResult::DuplicateCode;
    }
    const QString stored = PasswordHash::hash(password.trimmed());
    Transaction transaction(m_db);
    m_db.exec(u"insert into SystemUser (UseCode, UseName, Duty, Passwords) values (?, ?, ?, ?)"_s,
              {r.UseCode, r.UseName, r.Duty, stored});
    OperatorRights::write(m_db, r.UseCode, OperatorRights::ModuleRights{});
    transaction.commit();
    return SaveResult::Saved;
}

Operators::SaveResult Operators::update(Prompt &prompt, const QString &code, const OperatorRecord &edited,
                                        const QString &password, const QString &confirmation)
{
    const OperatorRecord current = find(code);
    OperatorRecord r{edited.UseCode.trimmed(), edited.UseName.trimmed(), edited.Duty.trimmed()};
    if (codeLocked(current))
        r.UseCode = current.UseCode;
    if (dutyLocked(current))
        r.Duty = current.Duty;
    const SaveResult checked = checkInput(prompt, r, password.trimmed(), confirmation.trimmed());
    if (checked != SaveResult::Saved)
        return checked;
    // Two operators under one code would make the log-in ambiguous.
    if (!sameCode(r.UseCode, current.UseCode) && codeTaken(r.UseCode)) {
        prompt.info(u"用户编码重复，请重新输入"_s);
        return SaveResult::DuplicateCode;
    }
    const QString stored = PasswordHash::hash(password.trimmed());
    Transaction transaction(m_db);
    if (stored.isNull()) {
        m_db.exec(u"update SystemUser set UseCode = ?, UseName = ?, Duty = ? where UseCode = ?"_s,
                  {r.UseCode, r.UseName, r.Duty, current.UseCode});
    } else {
        m_db.exec(u"update SystemUser set UseCode = ?, UseName = ?, Duty = ?, Passwords = ? where UseCode = ?"_s,
                  {r.UseCode, r.UseName, r.Duty, stored, current.UseCode});
    }
    m_db.exec(u"update UserModule set UseCode = ? where UseCode = ?"_s, {r.UseCode, current.UseCode});
    transaction.commit();
    return SaveResult::Saved;
}

Operators::DeleteResult Operators::remove(Prompt &prompt, const QString &code)
{
    if (prompt.question(u"是否确定删除!"_s, u"提示！"_s, Prompt::Button::Yes | Prompt::Button::No,
                        Prompt::Button::No) != Prompt::Button::Yes)
        return DeleteResult::Cancelled;
    const OperatorRecord current = find(code);
    if (current.Duty == kSuperUser && sameCode(current.UseCode, adminCode())) {
        prompt.info(u"此用户不能删除！"_s);
        return DeleteResult::Protected;
    }
    Transaction transaction(m_db);
    m_db.exec(u"delete from UserModule where UseCode = ?"_s, {code});
    m_db.exec(u"delete from SystemUser where UseCode = ?"_s, {code});
    transaction.commit();
    return DeleteResult::Deleted;
}

} // namespace tarvo
