#pragma once
// Reading an import file: the file's bytes cut into records of three values (date,
// title, detail text). The file has no header line; fields are separated by commas,
// may be enclosed in double quotes, and records end at CR, LF or CR LF.
#include <QByteArray>
#include <QString>

#include <stdexcept>
#include <vector>

// One record of an import file. An absent value is an empty QString.
struct TImportRecord {
    QString Date, Title, Content;
    bool operator==(const TImportRecord&) const = default;
};

// The file holds bytes that are not well-formed UTF-8 (for example a file saved as
// Shift_JIS). The message names the line and says that the file must be UTF-8.
class ECsvEncodingError : public std::runtime_error {
public:
    explicit ECsvEncodingError(int line);
    // The line (from 1) on which the first bad bytes stand.
    int Line() const { return FLine; }

private:
    int FLine;
};

// The file's bytes to records, by the reading rules of the import file:
// - a UTF-8 byte-order mark at the very start is skipped;
// - a field that begins with a double quote may hold commas, line breaks and doubled
//   double quotes; a double quote elsewhere in a field switches the quoting as well;
// - every value loses its enclosing quotes, has each doubled quote made one and is
//   trimmed of U+0000 to U+0020 at both ends; an empty value is absent;
// - fields after the third are dropped; missing fields are absent;
// - empty lines give no record, and there is always at least one record.
// Bytes that are not well-formed UTF-8 raise ECsvEncodingError; nothing is read then.
std::vector<TImportRecord> ReadImportCsv(const QByteArray& bytes);

// The first line (from 1) that holds bytes which are not well-formed UTF-8, or 0 when
// every byte is well-formed. A line ends at LF, CR or CR LF.
int FirstNonUtf8Line(const QByteArray& bytes);

// Reads a whole file and cuts it into records. A file that cannot be opened or read
// raises std::runtime_error with FileErrorMessage: the file's name and the platform's reason.
std::vector<TImportRecord> ReadImportFile(const QString& fileName);
QString FileErrorMessage(const QString& fileName, const QString& reason);
