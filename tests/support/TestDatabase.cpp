#include "TestDatabase.h"

#include "core/db/DeliveredDatabase.h"
#include "core/db/PgUri.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::StringLiterals;

namespace tarvo::test {

Engine testEngine()
{
    return qEnvironmentVariable("TARVO_TEST_ENGINE") == u"postgresql" ? Engine::PostgreSQL : Engine::SQLite;
}

QString postgresServerUri()
{
    return qEnvironmentVariable("TARVO_TEST_PG");
}

namespace {

QString pgDatabaseUri(const QString &name)
{
    PgUri uri = PgUri::parse(postgresServerUri());
    uri.database = name;
    return uri.toUri();
}

void onServer(const QString &statement)
{
    Database server;
    server.open({Engine::PostgreSQL, postgresServerUri(), true}, Database::OpenMode::Create);
    server.execDirect(statement);
}

// On PostgreSQL the delivered database is made once per run, by the same code as
// `tarvodb init`, and each test gets a copy of it: much faster than making each anew.
QString pgTemplateName()
{
    static const QString name = [] {
        const QString n = u"tarvo_template_%1"_s.arg(QCoreApplication::applicationPid());
        onServer(u"DROP DATABASE IF EXISTS "_s + n);
        DeliveredDatabase::create({Engine::PostgreSQL, pgDatabaseUri(n), true});
        return n;
    }();
    return name;
}

bool pgTemplateMade = false;

} // namespace

void TestDatabaseEnvironment::TearDown()
{
    if (pgTemplateMade)
        onServer(u"DROP DATABASE IF EXISTS "_s + pgTemplateName());
}

TestDatabase::TestDatabase()
{
    if (testEngine() == Engine::SQLite) {
        m_target = {Engine::SQLite, QDir(m_folder.path()).filePath(u"Data/tarvo.dat"_s), false};
        DeliveredDatabase::create(m_target);
        return;
    }
    static int counter = 0;
    m_pgName = u"tarvo_test_%1_%2"_s.arg(QCoreApplication::applicationPid()).arg(++counter);
    m_target = {Engine::PostgreSQL, pgDatabaseUri(m_pgName), true};
    const QString templateName = pgTemplateName();
    pgTemplateMade = true;
    onServer(u"CREATE DATABASE "_s + m_pgName + u" TEMPLATE "_s + templateName);
}

TestDatabase::~TestDatabase()
{
    if (m_pgName.isEmpty())
        return;
    try {
        onServer(u"DROP DATABASE IF EXISTS "_s + m_pgName + u" WITH (FORCE)"_s);
    } catch (const std::exception &e) {
        ADD_FAILURE() << "could not drop the test database: " << e.what();
    }
}

std::unique_ptr<Database> TestDatabase::openAnother() const
{
    auto db = std::make_unique<Database>();
    db->open(m_target);
    return db;
}

void DatabaseTest::SetUp()
{
    if (testEngine() == Engine::PostgreSQL && postgresServerUri().isEmpty())
        GTEST_SKIP() << "TARVO_TEST_PG is not set";
    fresh = std::make_unique<TestDatabase>();
    connection = fresh->openAnother();
}

} // namespace tarvo::test
