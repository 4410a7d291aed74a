#pragma once
// Writing an export file: a UTF-8 byte-order mark, the header line 日付,タイトル,詳細,カテゴリー,
// then one line per event (date as yyyy-mm-dd, title, detail text, category name);
// every line ends with CR LF.
#include "MEvent.h"

#include <QByteArray>
#include <QString>

// A field that holds a double quote, a comma, a blank or a control character
// (U+0001 to U+001F) is enclosed in double quotes with every double quote doubled;
// every other field is written unchanged.
bool NeedsCsvQuotes(const QString& field);

// The whole file's bytes. An event whose stored date is no calendar date fails with
// the date conversion error.
QByteArray BuildExportCsv(const TEventList& events);

// Builds the file and writes it through a temporary file in the same folder, which
// replaces the target only when complete: a failure leaves the old file (or none) as
// it was. A file that cannot be created or written raises std::runtime_error with the
// platform's message.
void ExportCsvFile(const QString& fileName, const TEventList& events);
