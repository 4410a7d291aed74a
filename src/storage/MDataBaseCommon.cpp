#include "MDataBaseCommon.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

ERecordNotFoundException::ERecordNotFoundException(const QString& message)
    : SQLite::Exception(message.toStdString(), SQLITE_NOTFOUND)
{
}

const std::array<const char*, 5> SchemaStatements = {
    "CREATE TABLE IF NOT EXISTS categories (id INTEGER PRIMARY KEY AUTOINCREMENT, name TEXT NOT NULL, "
    "sort_order INTEGER NOT NULL, created_at TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP, updated_at "
    "TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP);",
    "CREATE TABLE IF NOT EXISTS events (id INTEGER PRIMARY KEY AUTOINCREMENT, title TEXT NOT NULL, content "
    "TEXT NOT NULL, date INTEGER NOT NULL, date_ind INTEGER NOT NULL, non_leap_year_proc INTEGER NOT NULL "
    "DEFAULT 0, notice_days INTEGER NOT NULL DEFAULT 0, category_id INTEGER NOT NULL, created_at TIMESTAMP "
    "NOT NULL DEFAULT CURRENT_TIMESTAMP, updated_at TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP, FOREIGN "
    "KEY(category_id) REFERENCES categories(id));",
    "CREATE INDEX IF NOT EXISTS index_events_on_date_ind ON events(date_ind);",
    "CREATE INDEX IF NOT EXISTS index_events_on_date ON events(date);",
    "CREATE TABLE IF NOT EXISTS settings (key TEXT PRIMARY KEY, value TEXT NOT NULL, created_at TIMESTAMP "
    "NOT NULL DEFAULT CURRENT_TIMESTAMP, updated_at TIMESTAMP NOT NULL DEFAULT CURRENT_TIMESTAMP);",
};

void CreateSchema(TDbConnection& connection)
{
    for (const char* sql : SchemaStatements) connection.ExecSQL(sql);
}

TDbConnection::TDbConnection()
    : FParams{{QStringLiteral("DriverID"), QStringLiteral("SQLite")},
              {QStringLiteral("LockingMode"), QStringLiteral("Normal")}}
{
}

TDbConnection::~TDbConnection() = default;

void TDbConnection::SetParam(const QString& name, const QString& value)
{
    for (auto& [n, v] : FParams) {
        if (n == name) {
            v = value;
            return;
        }
    }
    FParams.emplace_back(name, value);
}

QString TDbConnection::Param(const QString& name) const
{
    for (const auto& [n, v] : FParams) {
        if (n == name) return v;
    }
    return {};
}

void TDbConnection::Connect()
{
    const QString path = Param(QStringLiteral("DataBase"));
    const QByteArray native = QFile::encodeName(path);
    // A new database holds personal data: create the file for its owner only.
    // An existing file keeps its permissions.
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) ::close(fd);

    auto database = std::make_unique<SQLite::Database>(native.constData(),
                                                       SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE, 10000);
    // Synchronous FULL rather than OFF: a power loss must not corrupt the one file
    // that holds the user's data.
    database->exec("PRAGMA cache_size = 10000;");
    database->exec("PRAGMA locking_mode = NORMAL;");
    database->exec("PRAGMA synchronous = FULL;");
    database->exec("PRAGMA journal_mode = DELETE;");
    database->exec("PRAGMA foreign_keys = ON;");
    FDatabase = std::move(database);
}

void TDbConnection::Disconnect()
{
    FDatabase.reset();
}

bool TDbConnection::Connected() const
{
    return FDatabase != nullptr;
}

SQLite::Database& TDbConnection::Database()
{
    if (!FDatabase) throw SQLite::Exception("The database is not connected.", SQLITE_MISUSE);
    return *FDatabase;
}

void TDbConnection::ExecSQL(const char* sql)
{
    Database().exec(sql);
}

namespace {
TDbConnection* GConnection = nullptr;
}

TDbConnection* DbConnection()
{
    return GConnection;
}

void SetDbConnection(TDbConnection* connection)
{
    GConnection = connection;
}

SQLite::Database& Db()
{
    if (!GConnection) throw SQLite::Exception("DbConnection is not set.", SQLITE_MISUSE);
    return GConnection->Database();
}

namespace query {

SQLite::Statement New(const char* sql)
{
    return SQLite::Statement(Db(), sql);
}

SQLite::Statement New(const std::string& sql)
{
    return SQLite::Statement(Db(), sql);
}

void BindText(SQLite::Statement& q, const char* name, const QString& value)
{
    // std::string binds its c_str(): an empty text stays an empty text, never NULL.
    q.bind(name, value.toStdString());
}

void BindInt(SQLite::Statement& q, const char* name, int value)
{
    q.bind(name, value);
}

QString Text(const SQLite::Statement& q, int column)
{
    const SQLite::Column c = q.getColumn(column);
    const char* text = c.getText();
    return QString::fromUtf8(text, c.getBytes());
}

int Int(const SQLite::Statement& q, int column)
{
    return q.getColumn(column).getInt();
}

} // namespace query
