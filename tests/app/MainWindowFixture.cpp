#include "MainWindowFixture.h"

#include "UDataFolder.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

MainWindowTest::MainWindowTest()
{
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
}

MainWindowTest::~MainWindowTest()
{
    if (window) Close();
}

QString MainWindowTest::DatabaseFile() const
{
    return DatabaseFileOf(DataFolderOf(HomePath()));
}

void MainWindowTest::Seed(const std::function<void()>& fill)
{
    ForceDirectories(DataFolderOf(HomePath()));
    TDbConnection connection;
    connection.SetParam(QStringLiteral("DataBase"), DatabaseFile());
    connection.Connect();
    CreateSchema(connection);
    SetDbConnection(&connection);
    fill();
    SetDbConnection(nullptr);
}

TfrmMain& MainWindowTest::Open()
{
    window = std::make_unique<TfrmMain>(platform);
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return *window;
}

void MainWindowTest::Close()
{
    window->close();
    window.reset();
}

int MainWindowTest::QueryInt(const std::string& sql)
{
    SQLite::Database db(QFile::encodeName(DatabaseFile()).constData());
    SQLite::Statement q(db, sql);
    return q.executeStep() ? q.getColumn(0).getInt() : -1;
}

QString MainWindowTest::QueryText(const std::string& sql)
{
    SQLite::Database db(QFile::encodeName(DatabaseFile()).constData());
    SQLite::Statement q(db, sql);
    return q.executeStep() ? QString::fromUtf8(q.getColumn(0).getText()) : QString();
}

QCalendarWidget& MainWindowTest::Calendar()
{
    return *window->findChild<QCalendarWidget*>(QStringLiteral("calDate"));
}

QTableView& MainWindowTest::Grid()
{
    return *window->findChild<QTableView*>(QStringLiteral("grdEvent"));
}

QPlainTextEdit& MainWindowTest::Detail()
{
    return *window->findChild<QPlainTextEdit*>(QStringLiteral("memContent"));
}

QLabel& MainWindowTest::DateLabel()
{
    return *window->findChild<QLabel*>(QStringLiteral("lblDate"));
}

QAction& MainWindowTest::Action(const char* name)
{
    auto* action = window->findChild<QAction*>(QLatin1String(name));
    EXPECT_NE(action, nullptr) << name;
    return *action;
}

QStringList MainWindowTest::Rows()
{
    QStringList rows;
    const QAbstractItemModel& model = *Grid().model();
    for (int r = 0; r < model.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < model.columnCount(); ++c) cells << model.index(r, c).data().toString();
        rows << cells.join(u'|');
    }
    return rows;
}

void MainWindowTest::ClickRow(int row)
{
    QTableView& grid = Grid();
    const QRect cell = grid.visualRect(grid.model()->index(row, 2));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
}
