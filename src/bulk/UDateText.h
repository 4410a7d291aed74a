#pragma once
// The date texts of the import: year, month and day as whole numbers, separated by
// hyphens, slashes or full stops in any mixture ("2024-10-20", "2024/1/5", "2024.01-05").
#include <QString>
#include <QStringList>

// The pieces of text between every "-", "/" and "."; empty pieces count (before the
// first separator, between two, after the last). An empty text gives no piece.
QStringList SplitDate(const QString& text);

// Exactly three pieces, each a whole number, forming a valid calendar date (year 1 to
// 9999). The year is taken as written: "24-1-5" is 5 January of the year 24.
bool IsValidDateText(const QString& text);
