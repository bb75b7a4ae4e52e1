#pragma once

#include "core/db/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvo::test {

// Which engine the suite runs on: SQLite, or PostgreSQL when TARVO_TEST_ENGINE is
// "postgresql" and TARVO_TEST_PG holds the URI of a server's maintenance database.
Engine testEngine();
// The server URI, for tests that talk to the server itself.
QString postgresServerUri();

// A fresh delivered database for one test, made by the same code as `tarvodb init`,
// in a temporary folder (SQLite) or as a new database on the server (PostgreSQL).
class TestDatabase
{
public:
    TestDatabase();
    ~TestDatabase();

    const ConnectionTarget &target() const { return m_target; }
    // A further connection to the same database, as a second desk would have.
    std::unique_ptr<Database> openAnother() const;

private:
    QTemporaryDir m_folder;
    ConnectionTarget m_target;
    QString m_pgName;
};

// Removes what the run left on the PostgreSQL server.
class TestDatabaseEnvironment : public ::testing::Environment
{
public:
    void TearDown() override;
};

// Base fixture of the core suite: `db` is an open connection to a fresh database.
class DatabaseTest : public ::testing::Test
{
protected:
    void SetUp() override;

    std::unique_ptr<TestDatabase> fresh;
    std::unique_ptr<Database> connection;
    Database &db() { return *connection; }
};

} // namespace tarvo::test
