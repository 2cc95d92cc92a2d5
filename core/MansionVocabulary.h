#pragma once

#include "core/MansionRecord.h"

#include <string>
#include <string_view>
#include <vector>

// The words every view of a mansion uses, taken from the one table
// (modArabicLunarMansionInformation) in one way: the calendar, the wheel, the
// page, the result window and the tool's outputs.

// MansionOfLongitude — the mansion whose minutes of arc hold a sidereal
// longitude: mansion k holds the whole minutes of arc above floor(5400 (k-1) / 7)
// up to floor(5400 k / 7), as the readings cut them.
// Inputs:  longitude  degrees in [0, 360); the caller keeps it there
// Returns: 1..28
int MansionOfLongitude(double longitude);

// The items of a list field (favourable, unfavourable circumstances), split
// at their CR LF once; a text field is one item. Views of the table's text.
std::vector<std::string_view> FieldItems(int mansion, MansionField field);

// The first of a mansion's Latin names: "Alchas" of "Alchas or Altob".
std::string_view FirstLatinName(int mansion);

// "Moon in mansion 14 — Al Simak (The Unarmed)"
std::string StayTitle(int mansion);
// "mansion 14, Al Simak (The Unarmed)": by its Arabic name and meaning.
std::string MansionByArabicName(int mansion);
// "mansion 15, Agrapha or Algarpha": by its Latin names.
std::string MansionByLatinName(int mansion);

// "Aries" .. "Pisces" for the signs 0..11 from 0° Aries; "" for another number.
std::string_view SignName(int sign);
