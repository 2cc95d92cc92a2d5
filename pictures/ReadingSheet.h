#pragma once

#include "core/BirthMoment.h"
#include "core/MansionPassage.h"
#include "core/MansionRecord.h"
#include "pictures/MansionWheel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QPainter;

// A reading as one page: the name and birth data when there are any, the
// Moon's position and mansion, the ten texts under their captions, the
// passage and the wheel.
struct ReadingSheet {
    QString name;      // "" when none (a reading opened from a file)
    QString birth;     // the birth data in words, "" when none
    QString position;  // the position in words, "19° 27′ 45″ Libra", whatever form the text had
    int mansion = 0;
    QStringList captions, texts;  // the ten of each; list items on lines of their own
    QString passage;   // in words, "" when none
    WheelReading wheel;
};

// SheetForReading — the page of a reading
// Inputs:  birth and passage only for a reading computed from birth data (a
//          reading opened from a file has neither: its position alone)
ReadingSheet SheetForReading(const std::string& position, const MansionRecord& texts,
                             const std::optional<BirthMoment>& birth, const std::optional<MansionPassage>& passage);

// The caption of a mansion's field (MansionField) in the program's language.
QString MansionFieldCaption(std::size_t field);

// "Al Sharatain — الشرطان": a mansion's transliterated name with the name in
// Arabic script (core/MansionArabicNames), for every view that shows the one.
QString WithArabicScript(const QString& transliteration, int mansion);

// An English text (the mansion's own texts are English in every language) as
// it reads in a right-to-left paragraph: it ends with U+200E, which keeps its
// last full stop after its word (its lines are one paragraph: the stops
// between them stand between letters). Unchanged in a left-to-right language.
QString EnglishText(const QString& text);

// The birth data in words: "Born on 1 January 2000 at 12:00 GMT in Greenwich,
// England, 51°28′N 0°00′W, time zone UTC+0": the clock time with its zone, the
// place when one is given, latitude first, and the offset of the birth's
// clocks; a typed zone with summer time says both ("time zone UTC+1, summer
// time (clocks at UTC+2)"), a place's zone its name ("time zone Europe/London,
// UTC+1").
QString BirthDataText(const BirthMoment& birth);

// The name a PDF of the reading is offered under: the title, ".pdf", with no
// character a file name cannot hold.
QString SheetFileName(const ReadingSheet& sheet);

// DrawReadingSheet — the page, black on white, into `page` (in points, 1/72 inch).
void DrawReadingSheet(QPainter& painter, const QRectF& page, const ReadingSheet& sheet);

// The title a document of the reading carries.
QString SheetTitle(const ReadingSheet& sheet);

// ReadingPdf — the page as a PDF document (A4, selectable text, titled)
QByteArray ReadingPdf(const ReadingSheet& sheet);

// WheelPng — the wheel alone as a PNG picture, `size` pixels square, black on white.
QByteArray WheelPng(const WheelReading& wheel, int size = 1200);
