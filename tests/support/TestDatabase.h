#pragma once
// A real database file in a temp folder, with the program's schema, published as
// DbConnection for the length of one test.
#include "MDataBaseCommon.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class TTestDatabase {
public:
    TTestDatabase();
    ~TTestDatabase();

    TDbConnection& Connection() { return FConnection; }
    QString Path() const { return FPath; }
    QString Folder() const { return FDir.path(); }

    // Helpers that write rows directly, bypassing the record classes.
    int AddCategory(const QString& name);
    int AddEvent(int year, int month, int day, const QString& title, int categoryId, int nonLeapYearProc = 0,
                 const QString& content = QString());
    // One integer or text value of the first row of a statement.
    int ScalarInt(const std::string& sql);
    QString ScalarText(const std::string& sql);

private:
    QTemporaryDir FDir;
    QString FPath;
    TDbConnection FConnection;
};

// Rows written through the record classes on DbConnection, for tests that fill a
// database of their own.
int AddTestCategory(const QString& name);
int AddTestEvent(int year, int month, int day, const QString& title, int categoryId, int nonLeapYearProc = 0,
                 const QString& content = QString());

// A fixture that holds one test database.
class DatabaseTest : public ::testing::Test {
protected:
    TTestDatabase db;
};
