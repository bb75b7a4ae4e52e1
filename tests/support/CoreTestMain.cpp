// Test entry point: the suites need an application object for the SQL drivers.
#include "TestDatabase.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new tarvo::test::TestDatabaseEnvironment);
    return RUN_ALL_TESTS();
}
