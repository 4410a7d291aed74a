#pragma once
// The Gregorian calendar rules that every window and the import share.

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);

// Days of the month in that year; 0 for a month outside 1 to 12.
int DaysInMonth(int year, int month);

// Year 1 to 9999, month 1 to 12, and a day that the month has in that year.
bool IsValidDate(int year, int month, int day);
