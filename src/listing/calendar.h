#pragma once

namespace quorrin::listing {

// Proleptic Gregorian calendar arithmetic for the date formatter and the
// file-date packing.

bool isLeapYear(int year);
int daysInMonth(int year, int month);
// 0 for Sunday .. 6 for Saturday.
int dayOfWeek(int year, int month, int day);

} // namespace quorrin::listing
