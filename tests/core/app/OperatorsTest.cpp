#include "core/app/Operators.h"
#include "core/app/OperatorRights.h"
#include "core/app/PasswordHash.h"
#include "support/Printers.h"
#include "support/ScriptedPrompt.h"
#include "support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tarvo;
using Button = Prompt::Button;

namespace {

const QVariant kNull = QVariant(QMetaType::fromType<QString>());

class OperatorsTest : public test::DatabaseTest
{
protected:
    test::ScriptedPrompt prompt;

    Operators operators() { return Operators(db()); }
    void addRaw(const QString &code, const QVariant &passwords, const QString &duty = u"操作员"_s)
    {
        db().exec(u"insert into SystemUser (UseCode, UseName, Duty, Passwords) values (?, '测试员', ?, ?)"_s,
                  {code, duty, passwords});
    }
    QString stored(const QString &code)
    {
        return db().scalar(u"select Passwords from SystemUser where UseCode = ?"_s, {code}).toString();
    }
    int count(const QString &sql, const QVariantList &params = {}) { return db().scalar(sql, params).toInt(); }
};

TEST_F(OperatorsTest, logInMatchesCodesWithoutCaseAndPasswordsExactly)
{
    addRaw(u"NoPass"_s, kNull);
    addRaw(u"EmptyPass"_s, u""_s);
    addRaw(u"Hashed"_s, PasswordHash::hash(u"Secret"_s));
    struct Case
    {
        QString code;
        QString password;
        QString loggedIn; // empty: refused
    };
    const Case cases[] = {
        {u"Admin"_s, u""_s, u"Admin"_s},     // the delivered operator has no password
        {u"aDMIN"_s, u""_s, u"Admin"_s},     // the stored code comes back
        {u"nopass"_s, u"  "_s, u"NoPass"_s}, // null password, blank input
        {u"NoPass"_s, u"x"_s, u""_s},
        {u"EmptyPass"_s, u""_s, u"EmptyPass"_s},
        {u"Hashed"_s, u"Secret"_s, u"Hashed"_s},
        {u" Hashed "_s, u" Secret "_s, u"Hashed"_s}, // both are trimmed
        {u"Hashed"_s, u"secret"_s, u""_s},           // letter case counts in a password
        {u"Hashed"_s, u""_s, u""_s},
        {u"Hashed"_s, u"wrong"_s, u""_s},
        {u"Nobody"_s, u""_s, u""_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code.toStdString() + " / '" + c.password.toStdString() + "'");
        prompt.shown.clear();
        EXPECT_EQ(operators().logIn(prompt, c.code, c.password), c.loggedIn);
        if (c.loggedIn.isEmpty()) {
            ASSERT_EQ(prompt.shown.size(), 1);
            EXPECT_EQ(prompt.shown.first().kind, test::ScriptedPrompt::Kind::Error);
            EXPECT_EQ(prompt.shown.first().text, u"输入错误，请重新输入!"_s);
        } else {
            EXPECT_TRUE(prompt.shown.isEmpty());
        }
    }
}

TEST_F(OperatorsTest, aPlainPasswordOfAnOlderDatabaseIsAcceptedOnceAndRehashed)
{
    addRaw(u"Old"_s, u"Pw123"_s);
    EXPECT_EQ(operators().logIn(prompt, u"Old"_s, u"pw123"_s), u""_s); // still compared exactly
    EXPECT_EQ(stored(u"Old"_s), u"Pw123"_s);

    EXPECT_EQ(operators().logIn(prompt, u"Old"_s, u"Pw123"_s), u"Old"_s);
    const QString now = stored(u"Old"_s);
    EXPECT_TRUE(PasswordHash::isHash(now));
    EXPECT_FALSE(now.contains(u"Pw123"_s));
    EXPECT_EQ(operators().logIn(prompt, u"Old"_s, u"Pw123"_s), u"Old"_s);
}

TEST_F(OperatorsTest, changesTheOwnPassword)
{
    using Change = Operators::PasswordChange;
    // No password yet: the old one is left empty.
    EXPECT_EQ(operators().changePassword(prompt, u"Admin"_s, u""_s, u"new1"_s, u"new2"_s), Change::Mismatch);
    EXPECT_EQ(operators().changePassword(prompt, u"Admin"_s, u"guess"_s, u"new1"_s, u"new1"_s), Change::WrongOld);
    EXPECT_EQ(prompt.texts(), (QStringList{u"两次输入密码不一致，请重新输入!"_s, u"旧密码输入错误，请重新输入!"_s}));
    EXPECT_TRUE(stored(u"Admin"_s).isEmpty());

    EXPECT_EQ(operators().changePassword(prompt, u"Admin"_s, u""_s, u" new1 "_s, u" new1 "_s), Change::Changed);
    EXPECT_TRUE(PasswordHash::isHash(stored(u"Admin"_s)));
    EXPECT_EQ(operators().logIn(prompt, u"Admin"_s, u"new1"_s), u"Admin"_s);
    EXPECT_EQ(operators().logIn(prompt, u"Admin"_s, u""_s), u""_s);

    // Back to no password at all.
    EXPECT_EQ(operators().changePassword(prompt, u"Admin"_s, u"new1"_s, u""_s, u""_s), Change::Changed);
    EXPECT_EQ(count(u"select count(*) from SystemUser where UseCode = 'Admin' and Passwords is null"_s), 1);
    EXPECT_EQ(operators().logIn(prompt, u"Admin"_s, u""_s), u"Admin"_s);
}

TEST_F(OperatorsTest, aNewOperatorStartsWithEveryRightOff)
{
    using Save = Operators::SaveResult;
    const OperatorRecord lee{u" Lee "_s, u"李明"_s, u"操作员"_s};

    prompt.answers = {Button::No};
    EXPECT_EQ(operators().add(prompt, lee, u"pw"_s, u"pw"_s), Save::Cancelled);
    EXPECT_EQ(operators().add(prompt, {u"Lee"_s, u""_s, u"操作员"_s}, u""_s, u""_s), Save::Incomplete);
    EXPECT_EQ(operators().add(prompt, lee, u"pw"_s, u"pv"_s), Save::PasswordMismatch);
    EXPECT_EQ(operators().add(prompt, {u"admin"_s, u"重名"_s, u"操作员"_s}, u""_s, u""_s), Save::DuplicateCode);
    EXPECT_EQ(count(u"select count(*) from SystemUser"_s), 1);
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode <> 'Admin'"_s), 0);

    EXPECT_EQ(operators().add(prompt, lee, u"pw"_s, u"pw"_s), Save::Saved);
    EXPECT_EQ(prompt.texts(), (QStringList{u"是否确定完成!"_s, u"是否确定完成!"_s, u"用户数据不完整，请重新输入"_s,
                                           u"是否确定完成!"_s, u"密码不一致，请重新输入"_s, u"是否确定完成!"_s,
                                           u"用户编码重复，请重新输入"_s, u"是否确定完成!"_s}));
    EXPECT_EQ(operators().find(u"lee"_s).UseCode, u"Lee"_s); // stored trimmed
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Lee'"_s), OperatorRights::kModuleCount);
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Lee' and IfCheck = ?"_s, {true}), 0);
    EXPECT_TRUE(PasswordHash::isHash(stored(u"Lee"_s)));
    EXPECT_EQ(operators().logIn(prompt, u"LEE"_s, u"pw"_s), u"Lee"_s);
}

TEST_F(OperatorsTest, anEditedCodeCarriesTheRightsAndMayNotTakeAnotherOperatorsCode)
{
    using Save = Operators::SaveResult;
    addRaw(u"Lee"_s, PasswordHash::hash(u"pw"_s));
    OperatorRights::ModuleRights rights{};
    rights[9] = true;
    OperatorRights::grant(db(), u"Lee"_s, rights);

    EXPECT_EQ(operators().update(prompt, u"Lee"_s, {u"ADMIN"_s, u"李明"_s, u"操作员"_s}, u""_s, u""_s),
              Save::DuplicateCode);
    EXPECT_EQ(operators().update(prompt, u"Lee"_s, {u"Li"_s, u"李明"_s, u"管理员"_s}, u""_s, u""_s), Save::Saved);
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Lee'"_s), 0);
    EXPECT_EQ(OperatorRights::load(db(), u"Li"_s), rights);
    // Empty password entries keep the password.
    EXPECT_EQ(operators().logIn(prompt, u"Li"_s, u"pw"_s), u"Li"_s);
    // A new code that differs only in letter case is the same operator.
    EXPECT_EQ(operators().update(prompt, u"Li"_s, {u"LI"_s, u"李明"_s, u"管理员"_s}, u"pw2"_s, u"pw2"_s), Save::Saved);
    EXPECT_EQ(operators().logIn(prompt, u"li"_s, u"pw2"_s), u"LI"_s);

    // Admin keeps its code, a super user its duty.
    EXPECT_EQ(operators().update(prompt, u"Admin"_s, {u"Boss"_s, u"主任"_s, u"操作员"_s}, u""_s, u""_s), Save::Saved);
    const OperatorRecord admin = operators().find(u"Admin"_s);
    EXPECT_EQ(admin.UseCode, u"Admin"_s);
    EXPECT_EQ(admin.UseName, u"主任"_s);
    EXPECT_EQ(admin.Duty, u"超级用户"_s);
}

TEST_F(OperatorsTest, deletesAnOperatorWithItsRightsButNeverTheSuperUserAdmin)
{
    using Delete = Operators::DeleteResult;
    addRaw(u"Lee"_s, kNull);
    OperatorRights::grant(db(), u"Lee"_s, {});

    prompt.answers = {Button::No, Button::Yes, Button::Yes};
    EXPECT_EQ(operators().remove(prompt, u"Lee"_s), Delete::Cancelled);
    EXPECT_EQ(operators().remove(prompt, u"admin"_s), Delete::Protected);
    EXPECT_EQ(operators().remove(prompt, u"Lee"_s), Delete::Deleted);
    EXPECT_EQ(prompt.texts(),
              (QStringList{u"是否确定删除!"_s, u"是否确定删除!"_s, u"此用户不能删除！"_s, u"是否确定删除!"_s}));
    EXPECT_EQ(count(u"select count(*) from SystemUser where UseCode in ('Admin', 'Lee')"_s), 1);
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Lee'"_s), 0);
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Admin'"_s), OperatorRights::kModuleCount);

    // Admin with another duty is an ordinary operator.
    db().exec(u"update SystemUser set Duty = '管理员' where UseCode = 'Admin'"_s);
    prompt.answers = {Button::Yes};
    EXPECT_EQ(operators().remove(prompt, u"Admin"_s), Delete::Deleted);
    EXPECT_EQ(count(u"select count(*) from SystemUser"_s), 0);
}

TEST_F(OperatorsTest, aGrantWritesOneRowPerModule)
{
    addRaw(u"Lee"_s, kNull);
    db().exec(u"insert into UserModule (UseCode, ModuleId, IfCheck) values ('Lee', 3, ?)"_s, {true});
    const QHash<int, bool> before = OperatorRights::stored(db(), u"lee"_s);
    EXPECT_EQ(before, (QHash<int, bool>{{3, true}}));
    EXPECT_FALSE(OperatorRights::load(db(), u"Lee"_s)[0]);

    OperatorRights::ModuleRights rights;
    rights.fill(true);
    rights[8] = false;
    rights[11] = false;
    OperatorRights::grant(db(), u"Lee"_s, rights);

    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Lee'"_s), 35);
    EXPECT_EQ(count(u"select min(ModuleId) from UserModule where UseCode = 'Lee'"_s), 0);
    EXPECT_EQ(count(u"select max(ModuleId) from UserModule where UseCode = 'Lee'"_s), 34);
    EXPECT_EQ(count(u"select count(distinct ModuleId) from UserModule where UseCode = 'Lee'"_s), 35);
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Lee' and IfCheck = ?"_s, {false}), 2);
    EXPECT_EQ(OperatorRights::load(db(), u"Lee"_s), rights);
}

TEST_F(OperatorsTest, aFailedGrantLeavesTheRightsAsTheyWere)
{
    // The engine refuses the row of module 20, after the old rows are deleted.
    if (db().engine() == Engine::SQLite) {
        db().execDirect(u"CREATE TEMP TRIGGER refuse20 BEFORE INSERT ON main.UserModule WHEN new.ModuleId = 20"
                        " BEGIN SELECT RAISE(ABORT, 'refused'); END"_s);
    } else {
        db().execDirect(u"CREATE FUNCTION refuse20() RETURNS trigger AS $$ BEGIN IF NEW.ModuleId = 20 THEN"
                        " RAISE EXCEPTION 'refused'; END IF; RETURN NEW; END $$ LANGUAGE plpgsql"_s);
        db().execDirect(u"CREATE TRIGGER refuse20 BEFORE INSERT ON UserModule FOR EACH ROW"
                        " EXECUTE FUNCTION refuse20()"_s);
    }
    const OperatorRights::ModuleRights before = OperatorRights::load(db(), u"Admin"_s);
    EXPECT_ANY_THROW(OperatorRights::grant(db(), u"Admin"_s, OperatorRights::ModuleRights{}));
    EXPECT_FALSE(db().inTransaction());
    EXPECT_EQ(count(u"select count(*) from UserModule where UseCode = 'Admin'"_s), OperatorRights::kModuleCount);
    EXPECT_EQ(OperatorRights::load(db(), u"Admin"_s), before);
}

} // namespace
