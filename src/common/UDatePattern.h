#pragma once
// Date patterns as the settings hold them ("yyyy-mm-dd", "yyyy年m月d日(ddd)").
//
// Tokens (letters in either case):
//   yyyy (three or more y)  the year in four digits, zero-padded      yy, y  the year's last two digits
//   mmmm  long month name    mmm  short month name    mm  month in two digits    m  month
//   dddddd long date   ddddd short date   dddd long weekday   ddd short weekday   dd  day in two digits   d  day
//   hh, h, nn, n, ss, s      hour, minute, second of midnight
//   /                        the locale's date separator
//   "text" or 'text'         copied without the quotes
// Every other character is copied unchanged. An empty pattern gives the locale's short date.
// Names, separators and the short and long date come from the given locale.
#include <QDate>
#include <QLocale>
#include <QString>

QString FormatDatePattern(const QString& pattern, const QDate& date, const QLocale& locale = QLocale());
