#include "MCategory.h"
#include "MDataBaseCommon.h"
#include "MEvent.h"
#include "TestDatabase.h"

#include <sqlite3.h>

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

namespace {

// Runs the step, which must fail with the engine's foreign-key error.
template <class Step>
void ExpectForeignKeyFailure(Step step)
{
    try {
        step();
        ADD_FAILURE() << "the foreign key did not refuse the statement";
    } catch (const SQLite::Exception& e) {
        EXPECT_EQ(e.getExtendedErrorCode(), SQLITE_CONSTRAINT_FOREIGNKEY) << e.what();
    }
}

} // namespace

TEST_F(DatabaseTest, AnEventWhoseCategoryHasNoRowIsRefusedAndNothingIsStored)
{
    const int category = db.AddCategory(QStringLiteral("家族"));
    for (const int missing : {-1, 0, category + 1}) {
        SCOPED_TRACE(missing);
        TEvent event;
        event.SetYmd(2020, 7, 14);
        event.SetTitle(QStringLiteral("誕生日"));
        event.SetCategoryId(missing);
        ExpectForeignKeyFailure([&] { event.Save(); });
        EXPECT_EQ(event.Id(), -1);
    }
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 0);

    // Moving a stored event to a missing category is refused as well and leaves the row as it was.
    const int id = db.AddEvent(2020, 7, 14, QStringLiteral("誕生日"), category);
    auto event = TEvent::FindById(id);
    event->SetCategoryId(category + 1);
    event->SetTitle(QStringLiteral("変更"));
    ExpectForeignKeyFailure([&] { event->Update(); });
    EXPECT_EQ(db.ScalarText("SELECT title || '/' || category_id FROM events;"),
              QStringLiteral("誕生日/%1").arg(category));
}

TEST_F(DatabaseTest, ACategoryIsDeletedOnlyAfterItsEvents)
{
    const int category = db.AddCategory(QStringLiteral("家族"));
    const int other = db.AddCategory(QStringLiteral("仕事"));
    db.AddEvent(2020, 7, 14, QStringLiteral("誕生日"), category);
    db.AddEvent(2021, 1, 1, QStringLiteral("初詣"), category);
    db.AddEvent(2021, 4, 1, QStringLiteral("入社"), other);

    ExpectForeignKeyFailure([&] { TCategory::DeleteById(category); });
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM categories;"), 2);
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM events;"), 3);

    {
        SQLite::Transaction tx(Db());
        TEvent::DeleteByCategoryId(category);
        TCategory::DeleteById(category);
        tx.commit();
    }
    EXPECT_EQ(db.ScalarInt("SELECT COUNT(*) FROM categories;"), 1);
    EXPECT_EQ(db.ScalarText("SELECT group_concat(title) FROM events;"), QStringLiteral("入社"));
}

TEST_F(DatabaseTest, AnIdOfADeletedRowIsNeverHandedOutAgain)
{
    const int first = db.AddCategory(QStringLiteral("家族"));
    const int highest = db.AddCategory(QStringLiteral("仕事"));
    TCategory::DeleteById(highest);
    EXPECT_GT(db.AddCategory(QStringLiteral("趣味")), highest);

    db.AddEvent(2020, 7, 14, QStringLiteral("一"), first);
    const int highestEvent = db.AddEvent(2020, 7, 15, QStringLiteral("二"), first);
    TEvent::DeleteById(highestEvent);
    EXPECT_GT(db.AddEvent(2020, 7, 16, QStringLiteral("三"), first), highestEvent);
}
