#include "UDateText.h"

#include "UCalendar.h"
#include "UWholeNumber.h"

QStringList SplitDate(const QString& text)
{
    QStringList pieces;
    if (text.isEmpty()) return pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'-' || c == u'/' || c == u'.') {
            pieces << text.mid(start, i - start);
            start = i + 1;
        }
    }
    pieces << text.mid(start);
    return pieces;
}

bool IsValidDateText(const QString& text)
{
    const QStringList pieces = SplitDate(text);
    if (pieces.size() != 3) return false;
    const auto year = TryStrToInt(pieces[0]);
    const auto month = TryStrToInt(pieces[1]);
    const auto day = TryStrToInt(pieces[2]);
    return year && month && day && IsValidDate(*year, *month, *day);
}
