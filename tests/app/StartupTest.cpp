// Start-up: the data folder, the database file, and a start that must fail.
#include "MainWindowFixture.h"

#include "UDataFolder.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

namespace {

unsigned Mode(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

} // namespace

TEST(DataFolder, JoinsTheFivePiecesAsTheyAre)
{
    EXPECT_EQ(DataFolderOf(QStringLiteral("/home/u/.local/share")), QStringLiteral("/home/u/.local/share/Ovenna/Marlune"));
    EXPECT_EQ(DataFolderOf(QStringLiteral("/home/u/")), QStringLiteral("/home/u//Ovenna/Marlune"));
    EXPECT_EQ(DataFolderOf(QString()), QStringLiteral("/Ovenna/Marlune"));
    EXPECT_EQ(DatabaseFileOf(QStringLiteral("/a//Ovenna/Marlune")), QStringLiteral("/a//Ovenna/Marlune/Marlune.db"));
}

TEST_F(MainWindowTest, FirstStartMakesThePrivateFolderAndAnEmptyDatabase)
{
    const QString existing = home.path();
    const unsigned existingMode = Mode(existing);
    Open();
    const QString folder = home.path() + QStringLiteral("/Ovenna/Marlune");
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/Marlune.db")).isFile());
    EXPECT_EQ(Mode(home.path() + QStringLiteral("/Ovenna")), 0700u);
    EXPECT_EQ(Mode(folder), 0700u);
    EXPECT_EQ(Mode(folder + QStringLiteral("/Marlune.db")), 0600u);
    EXPECT_EQ(Mode(existing), existingMode);
    Close();
    EXPECT_EQ(QueryInt("SELECT COUNT(*) FROM sqlite_master WHERE type IN ('table', 'index') AND name NOT LIKE 'sqlite_%';"), 5);
}

TEST_F(MainWindowTest, AHomePathEndingInASeparatorIsUsedWithTheDoubledSeparator)
{
    const QString folder = DataFolderOf(home.path() + u'/');
    ForceDirectories(folder);
    EXPECT_TRUE(QFileInfo(home.path() + QStringLiteral("/Ovenna/Marlune")).isDir());
}

TEST_F(MainWindowTest, ADamagedDatabaseEndsTheStartAndIsLeftAsItWas)
{
    ForceDirectories(DataFolderOf(HomePath()));
    QFile file(DatabaseFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = QByteArray("not a database at all ").repeated(300);
    file.write(bytes);
    file.close();

    EXPECT_THROW(window = std::make_unique<TfrmMain>(platform), SQLite::Exception);
    EXPECT_EQ(window, nullptr);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), bytes);
}

TEST_F(MainWindowTest, AFolderThatCannotBeMadeEndsTheStart)
{
    QFile blocker(home.path() + QStringLiteral("/Ovenna"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_THROW(window = std::make_unique<TfrmMain>(platform), std::runtime_error);
}
