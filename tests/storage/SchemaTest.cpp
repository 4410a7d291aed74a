#include "MDataBaseCommon.h"
#include "TestDatabase.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QStringList SchemaObjects(TTestDatabase& db)
{
    SQLite::Statement q(db.Connection().Database(),
                        "SELECT type || ':' || name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY 1;");
    QStringList names;
    while (q.executeStep()) names << QString::fromUtf8(q.getColumn(0).getText());
    return names;
}

} // namespace

TEST(Schema, FirstStartCreatesThreeTablesAndTwoIndexesAndASecondChangesNothing)
{
    TTestDatabase db;
    const QStringList expected = {"index:index_events_on_date", "index:index_events_on_date_ind", "table:categories",
                                  "table:events", "table:settings"};
    EXPECT_EQ(SchemaObjects(db), expected);

    const int category = db.AddCategory(QStringLiteral("家族"));
    db.AddEvent(2020, 2, 29, QStringLiteral("誕生日"), category);
    CreateSchema(db.Connection());
    EXPECT_EQ(SchemaObjects(db), expected);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 1);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM categories;"), 1);
}

TEST(Schema, ConnectionSettings)
{
    TTestDatabase db;
    EXPECT_EQ(db.ScalarInt("PRAGMA foreign_keys;"), 1);
    EXPECT_EQ(db.ScalarInt("PRAGMA synchronous;"), 2); // FULL
    EXPECT_EQ(db.ScalarInt("PRAGMA cache_size;"), 10000);
    EXPECT_EQ(db.ScalarText("PRAGMA journal_mode;"), QStringLiteral("delete"));
    EXPECT_EQ(db.ScalarText("PRAGMA locking_mode;"), QStringLiteral("normal"));
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(db.Path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST(Schema, AFileThatIsNoDatabaseFailsToOpenAndStaysAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Marlune.db"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray garbage(4096, 'x');
    file.write(garbage);
    file.close();

    TDbConnection connection;
    connection.SetParam(QStringLiteral("DataBase"), path);
    EXPECT_THROW(
        {
            connection.Connect();
            CreateSchema(connection);
        },
        SQLite::Exception);
    connection.Disconnect();
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);
}
