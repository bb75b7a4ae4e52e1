#pragma once

#include "core/db/ResultSet.h"

#include <QString>
#include <QStringList>

namespace tarvo {

class Database;
class Prompt;

// An operator as the add and edit dialog shows it; the password never leaves the core.
struct OperatorRecord
{
    QString UseCode;
    QString UseName;
    QString Duty;
};

// The operators (SystemUser) and their log-in. Codes match without regard to
// case; passwords are stored hashed and compared exactly. Every refusal is said
// through the prompt with the system's text.
class Operators
{
public:
    explicit Operators(Database &db)
        : m_db(db)
    {}

    // The duties the add dialog offers; other text may be typed.
    static QStringList duties();
    // The code of the built-in super user, which cannot be deleted.
    static QString adminCode();

    // Every operator code, for the log-in list.
    QStringList codes();
    // The operator's name; empty when there is no such operator.
    QString nameOf(const QString &code);
    // UseCode, UseName and Duty of every operator, by code.
    ResultSet list();
    // One operator; an empty record when there is none.
    OperatorRecord find(const QString &code);

    // The log-in: code and password are trimmed; an empty password matches an
    // operator without one. Returns the stored code, or empty after "输入错误，请重新输入!".
    // A plain password left by an older database is replaced by its hash here.
    QString logIn(Prompt &prompt, const QString &code, const QString &password);

    enum class PasswordChange { Mismatch, WrongOld, Changed };
    // The operator's own change: the two new entries must agree exactly, the old
    // password must match; the new one is stored trimmed (empty: no password).
    PasswordChange changePassword(Prompt &prompt, const QString &code, const QString &oldPassword,
                                  const QString &newPassword, const QString &confirmation);

    // True (after "用户密码不一致，请重新输入") when a confirmation differs from its password.
    static bool confirmationDiffers(Prompt &prompt, const QString &password, const QString &confirmation);

    // The code of Admin and the duty of a super user cannot be changed.
    static bool codeLocked(const OperatorRecord &current);
    static bool dutyLocked(const OperatorRecord &current);

    enum class SaveResult { Cancelled, Incomplete, PasswordMismatch, DuplicateCode, Saved };
    // A new operator with every right off, in one transaction, after "是否确定完成!".
    SaveResult add(Prompt &prompt, const OperatorRecord &record, const QString &password, const QString &confirmation);
    // Rewrites the operator stored under the code; a new code carries the operator's
    // rights with it. Empty password entries keep the stored password.
    SaveResult update(Prompt &prompt, const QString &code, const OperatorRecord &edited, const QString &password,
                      const QString &confirmation);

    enum class DeleteResult { Cancelled, Protected, Deleted };
    // "是否确定删除!", then the operator and its rights in one transaction; the
    // super user Admin is refused with "此用户不能删除！".
    DeleteResult remove(Prompt &prompt, const QString &code);

private:
    SaveResult checkInput(Prompt &prompt, const OperatorRecord &record, const QString &password,
                          const QString &confirmation);
    bool codeTaken(const QString &code);

    Database &m_db;
};

} // namespace tarvo
