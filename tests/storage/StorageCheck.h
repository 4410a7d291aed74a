#pragma once
// Small helpers for the storage tests: readable failure output for Qt texts,
// titles of a result list, and timestamps set back so that a write shows.
#include "MEvent.h"
#include "TestDatabase.h"

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}

// The titles of a result list, in its order.
inline QStringList TitlesOf(const TEventList& events)
{
    QStringList titles;
    for (const auto& event : events) titles << event->Title();
    return titles;
}

// A stamp no write of the program can produce: after it is set, a changed
// updated_at shows that a statement ran.
inline constexpr const char* OldStamp = "2000-01-01 00:00:00";

// Sets created_at and updated_at of every row of the table to OldStamp.
inline void SetOldStamps(TTestDatabase& db, const std::string& table)
{
    db.Connection().ExecSQL(
        ("UPDATE " + table + " SET created_at = '" + OldStamp + "', updated_at = '" + OldStamp + "';").c_str());
}
