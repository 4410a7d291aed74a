#pragma once
// What every stored record stands on: the one connection, the record base class,
// the not-found failure and the way one statement is run.
#include <QString>
#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Exception.h>
#include <SQLiteCpp/Statement.h>
#include <SQLiteCpp/Transaction.h>

#include <array>
#include <memory>
#include <vector>

// A list that owns its objects: freeing the list frees them.
template <class T>
using TObjectList = std::vector<std::unique_ptr<T>>;

// Base of the stored record classes.
class TDataBaseCommon {
public:
    virtual ~TDataBaseCommon() = default;
    // Inserts this record as a new row.
    virtual void Save() = 0;
    // Writes this record to its row when it differs from it.
    virtual void Update() = 0;
};

// A record looked up by id does not exist.
class ERecordNotFoundException : public SQLite::Exception {
public:
    explicit ERecordNotFoundException(const QString& message);
};

// The program's database connection. It opens (and creates) the file with the
// program's connection settings; the main window owns the one instance.
class TDbConnection {
public:
    TDbConnection();
    ~TDbConnection();
    TDbConnection(const TDbConnection&) = delete;
    TDbConnection& operator=(const TDbConnection&) = delete;

    // The connection parameters, as "Name=Value" lines; "DataBase" names the file.
    void SetParam(const QString& name, const QString& value);
    QString Param(const QString& name) const;

    // Opens the file named by "DataBase", creating a missing one readable by its
    // owner only, and sends the connection's pragmas. An existing file that is not
    // a database fails here and is left untouched.
    void Connect();
    void Disconnect();
    bool Connected() const;

    // The open database; fails when not connected.
    SQLite::Database& Database();
    // Runs one SQL text that returns no rows.
    void ExecSQL(const char* sql);

private:
    std::vector<std::pair<QString, QString>> FParams;
    std::unique_ptr<SQLite::Database> FDatabase;
};

// The five schema statements, in the order they run at every start.
extern const std::array<const char*, 5> SchemaStatements;
void CreateSchema(TDbConnection& connection);

// The shared connection that every storage operation uses. It does not own the
// connection. Set once by the main window at start-up (tests set their own).
TDbConnection* DbConnection();
void SetDbConnection(TDbConnection* connection);

// The database of DbConnection; fails when none is set or it is closed.
SQLite::Database& Db();

// Running one statement: a fresh statement on DbConnection, bound by name.
namespace query {
SQLite::Statement New(const char* sql);
SQLite::Statement New(const std::string& sql);
// Text is bound as UTF-8 text; an empty text stays an empty text, never NULL.
void BindText(SQLite::Statement& q, const char* name, const QString& value);
void BindInt(SQLite::Statement& q, const char* name, int value);
QString Text(const SQLite::Statement& q, int column);
int Int(const SQLite::Statement& q, int column);
} // namespace query
