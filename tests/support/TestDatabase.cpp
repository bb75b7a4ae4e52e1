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

TestDatabase::TestDatabase()
{
    if (testEngine() == Engine::SQLite) {
        m_target = {Engine::SQLite, QDir(m_folder.path()).filePath(u"Data/tarvo.dat"_s), false};
    } else {
        static int counter = 0;
        PgUri uri = PgUri::parse(postgresServerUri());
        m_pgName = u"tarvo_test_%1_%2"_s.arg(QCoreApplication::applicationPid()).arg(++counter);
        uri.database = m_pgName;
        m_target = {Engine::PostgreSQL, uri.toUri(), true};
    }
    DeliveredDatabase::create(m_target);
}

TestDatabase::~TestDatabase()
{
    if (m_pgName.isEmpty())
        return;
    try {
        Database server;
        server.open({Engine::PostgreSQL, postgresServerUri(), true}, Database::OpenMode::Create);
        server.execDirect(u"DROP DATABASE IF EXISTS "_s + m_pgName + u" WITH (FORCE)"_s);
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
