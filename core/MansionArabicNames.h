#pragma once

#include <string_view>

// MansionArabicName — a mansion's name in Arabic script
// Inputs:  mansion  1..28, from 0° Aries
// Returns: the name in UTF-8 ("الشرطان" for 1, "القلب" for 18); "" for any
//          other number
// Notes:   1) The names the mansion table transliterates ("Al Sharatain" ..
//             "Al Batn al Hut"), in its order; 17 is the crown, al-Iklil, and
//             27 the hind spout, al-Fargh al-Mu'akhkhar (the table's "Al Fargh
//             Al Thani").
// Source:  the standard list of the manazil al-qamar: P. Kunitzsch,
//          "al-Manazil", Encyclopaedia of Islam, 2nd ed., vol. 6 (1991); the
//          same names in al-Biruni's Book of Instruction in the Elements of
//          the Art of Astrology (tr. R. Ramsay Wright, 1934), lunar stations.
std::string_view MansionArabicName(int mansion);
