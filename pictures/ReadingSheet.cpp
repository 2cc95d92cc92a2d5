#include "pictures/ReadingSheet.h"

#include "base/ProgramVersion.h"
#include "base/QtStdText.h"
#include "core/ClockText.h"
#include "core/MansionArabicNames.h"
#include "core/MansionChoice.h"
#include "core/MansionVocabulary.h"
#include "core/SafeFileName.h"
#include "core/SignPosition.h"
#include "language/ShownDates.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace {

// The page's words in the program's language (the reading tool, which loads
// no translation, keeps them English). The reading's own texts stay as they are.
struct ReadingSheetText {
    Q_DECLARE_TR_FUNCTIONS(ReadingSheetText)
};

// The captions as lupdate finds them; the core keeps them without Qt.
constexpr const char* CaptionTexts[MansionFieldCount] = {
    QT_TRANSLATE_NOOP("MansionFields", "Lunar Mansion Name"),
    QT_TRANSLATE_NOOP("MansionFields", "Arabic Name"),
    QT_TRANSLATE_NOOP("MansionFields", "English Meaning"),
    QT_TRANSLATE_NOOP("MansionFields", "Constellation"),
    QT_TRANSLATE_NOOP("MansionFields", "Planetary Ruler"),
    QT_TRANSLATE_NOOP("MansionFields", "Angel"),
    QT_TRANSLATE_NOOP("MansionFields", "Attributes"),
    QT_TRANSLATE_NOOP("MansionFields", "Famous Person"),
    QT_TRANSLATE_NOOP("MansionFields", "Favorable Circumstances"),
    QT_TRANSLATE_NOOP("MansionFields", "Unfavorable Circumstances"),
};

constexpr bool SameCaptions()
{
    for (std::size_t i = 0; i < MansionFieldCount; ++i)
        if (std::string_view(CaptionTexts[i]) != MansionFieldCaptions[i])
            return false;
    return true;
}
static_assert(SameCaptions(), "the captions lupdate finds are the core's");

// The passage's sentences as lupdate finds them; the core keeps them in English.
constexpr const char* PassageTexts[] = {
    QT_TRANSLATE_NOOP("ReadingSheetText", "The Moon was in this mansion all day on %1."),
    QT_TRANSLATE_NOOP("ReadingSheetText", "On %1 the Moon entered this mansion at %2, coming from %3; it left it at %4 for %5."),
    QT_TRANSLATE_NOOP("ReadingSheetText", "On %1 the Moon entered this mansion at %2, coming from %3."),
    QT_TRANSLATE_NOOP("ReadingSheetText", "On %1 the Moon left this mansion at %2 for %3."),
    QT_TRANSLATE_NOOP("ReadingSheetText", "mansion %1, %2"),
};
constexpr PassageSentences EnglishPassage;
static_assert(std::string_view(PassageTexts[0]) == EnglishPassage.allDay &&
                  std::string_view(PassageTexts[1]) == EnglishPassage.entersAndLeaves &&
                  std::string_view(PassageTexts[2]) == EnglishPassage.enters &&
                  std::string_view(PassageTexts[3]) == EnglishPassage.leaves &&
                  std::string_view(PassageTexts[4]) == EnglishPassage.mansion,
              "the passage's sentences lupdate finds are the core's");

// The passage in the program's language.
std::string PassageInWords(const MansionPassage& passage, const LocalMinute& birth)
{
    std::string forms[std::size(PassageTexts)];
    for (std::size_t i = 0; i < std::size(PassageTexts); ++i)
        forms[i] = ReadingSheetText::tr(PassageTexts[i]).toStdString();
    const std::string day = ShownDay(birth.Date()).toStdString();
    return DescribePassage(passage, birth, {forms[0], forms[1], forms[2], forms[3], forms[4], day});
}

// Draws wrapped text at `top` within `width`; returns the height used.
qreal Paragraph(QPainter& painter, qreal left, qreal top, qreal width, const QString& text, int flags = 0)
{
    const QRectF area(left, top, width, 10000);
    QRectF used;
    painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop | flags, text, &used);
    return used.height();
}

QFont Font(const QPainter& painter, qreal size, bool bold = false)
{
    QFont font = painter.font();
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")});
    font.setPixelSize(qRound(size));
    font.setBold(bold);
    return font;
}

}  // namespace

QString MansionFieldCaption(std::size_t field)
{
    return field < MansionFieldCount ? QCoreApplication::translate("MansionFields", CaptionTexts[field]) : QString();
}

QString WithArabicScript(const QString& transliteration, int mansion)
{
    const QString arabic = ToQString(MansionArabicName(mansion));
    return arabic.isEmpty() ? transliteration : QStringLiteral("%1 \u2014 %2").arg(transliteration, arabic);
}

QString EnglishText(const QString& text)
{
    return QGuiApplication::isRightToLeft() && !text.isEmpty() ? text + QChar(0x200E) : text;
}

QString BirthDataText(const BirthMoment& birth)
{
    const ChartRecord& c = birth.chart;
    const LocalMinute local = birth.Local();
    const int offset = ChartOffsetMinutes(c);
    const ClockTime born = birth.where.clocks.At(UtcMinuteOf(local, offset));
    QString zone = birth.where.clocks.Named() ? QStringLiteral("%1, %2").arg(ToQString(birth.where.clocks.zone), ToQString(UtcOffsetText(born.offsetMinutes)))
                                              : ToQString(UtcOffsetText(offset));
    if (!birth.where.clocks.Named() && c.IsDaylightSaving != 0) {
        // The typed zone is standard time; summer time puts the clocks an hour on.
        const int standard = offset - 60;
        zone = ReadingSheetText::tr("%1, summer time (clocks at %2)").arg(ToQString(UtcOffsetText(standard)), ToQString(UtcOffsetText(offset)));
    }
    QString text = ReadingSheetText::tr("Born on %1 at %2").arg(ShownDay(local.Date()), ToQString(ClockText(born)));
    if (birth.where.place)
        text += ReadingSheetText::tr(" in %1").arg(ToQString(birth.where.place->FullName()));
    return text + ReadingSheetText::tr(", %1\u00B0%2\u2032%3 %4\u00B0%5\u2032%6, time zone %7")
                      .arg(c.LatitudeDegrees)
                      .arg(c.LatitudeMinutes, 2, 10, QLatin1Char('0'))
                      .arg(c.IsNorth != 0 ? QLatin1Char('N') : QLatin1Char('S'))
                      .arg(c.LongitudeDegrees)
                      .arg(c.LongitudeMinutes, 2, 10, QLatin1Char('0'))
                      .arg(c.IsEast != 0 ? QLatin1Char('E') : QLatin1Char('W'))
                      .arg(zone);
}

ReadingSheet SheetForReading(const std::string& position, const MansionRecord& texts,
                             const std::optional<BirthMoment>& birth, const std::optional<MansionPassage>& passage)
{
    ReadingSheet sheet;
    sheet.name = birth ? ToQString(birth->name) : QString();
    // In degrees, minutes and seconds with their signs, whether the text came
    // with a degree sign or, as files may hold it, without one.
    const std::optional<double> longitude = PositionTextLongitude(position);
    sheet.position = QString::fromStdString(longitude ? SignPositionInWords(*longitude) : position);
    MansionSignState state;
    sheet.mansion = ChooseMansion(position, state).mansion;
    for (std::size_t i = 0; i < MansionFieldCount; ++i) {
        sheet.captions << MansionFieldCaption(i);
        sheet.texts << ToQString(texts[i]).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    }
    // The name in Arabic script beside its transliteration.
    sheet.texts[ArabicName] = WithArabicScript(sheet.texts.value(ArabicName), sheet.mansion);
    sheet.wheel.moonLongitude = longitude.value_or(0);
    sheet.wheel.mansion = sheet.mansion;
    // The centre: the mansion's number and names, the position and the date.
    sheet.wheel.centre << QStringLiteral("%1 %2").arg(sheet.mansion).arg(ToQString(FirstLatinName(sheet.mansion)))
                       << ToQString(texts[ArabicName]) << ToQString(MansionArabicName(sheet.mansion)) << sheet.position;
    if (birth) {
        // The wheel is drawn left to right in every language; a date of a
        // right-to-left language is embedded as a run of its own (U+202B ...
        // U+202C), or its year would stand before its month.
        const QString day = ShownDay(birth->Local().Date());
        sheet.wheel.centre << (QGuiApplication::isRightToLeft() ? QStringLiteral("\u202B%1\u202C").arg(day) : day);
        sheet.birth = BirthDataText(*birth);
        if (passage) {
            sheet.passage = ToQString(PassageInWords(*passage, birth->Local()));
            sheet.wheel.dayFrom = passage->dayStartLongitude;
            sheet.wheel.dayTo = passage->dayEndLongitude;
        }
    }
    return sheet;
}

QString SheetFileName(const ReadingSheet& sheet)
{
    return ToQString(SafeFileName(ToStdString(SheetTitle(sheet)))) + QStringLiteral(".pdf");
}

QString SheetTitle(const ReadingSheet& sheet)
{
    return sheet.name.isEmpty() ? ReadingSheetText::tr("Arabic Lunar Mansion Reading") : ReadingSheetText::tr("Arabic Lunar Mansion Reading for %1").arg(sheet.name);
}

void DrawReadingSheet(QPainter& painter, const QRectF& page, const ReadingSheet& sheet)
{
    painter.save();
    painter.fillRect(page, Qt::white);
    painter.setPen(Qt::black);
    // In a right-to-left language the page is mirrored: paragraphs set from
    // the right, each caption right of its text.
    const bool rightToLeft = QGuiApplication::isRightToLeft();
    painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    const qreal margin = 40;
    const qreal left = page.left() + margin, width = page.width() - 2 * margin;
    const qreal bottom = page.bottom() - margin;

    // The title, the wheel under it, then the person and the Moon and the ten
    // texts; the wheel takes what the texts leave, up to 60 % of the width.
    qreal y = page.top() + margin;
    painter.setFont(Font(painter, 17, true));
    y += Paragraph(painter, left, y, width, SheetTitle(sheet)) + 10;

    const QString moon = ReadingSheetText::tr("The Moon at %1, in mansion %2: %3").arg(sheet.position).arg(sheet.mansion).arg(sheet.texts.value(0));
    const qreal captionWidth = 150;
    auto height = [&](const QFont& font, qreal w, const QString& text) {
        painter.setFont(font);
        return painter.boundingRect(QRectF(0, 0, w, 10000), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text).height();
    };
    qreal below = 10;  // the texts' height under the wheel
    if (!sheet.birth.isEmpty())
        below += height(Font(painter, 10), width, sheet.birth) + 6;
    below += height(Font(painter, 11, true), width, moon) + 6;
    if (!sheet.passage.isEmpty())
        below += height(Font(painter, 10), width, sheet.passage) + 6;
    below += 10;
    for (int i = 0; i < sheet.captions.size(); ++i)
        below += std::max(height(Font(painter, 9.5, true), captionWidth - 8, sheet.captions[i]),
                          height(Font(painter, 9.5), width - captionWidth, sheet.texts.value(i))) + 5;
    const qreal side = std::min(width * 0.6, bottom - 14 - y - below);
    if (side > 60) {
        DrawMansionWheel(painter, QRectF(page.center().x() - side / 2, y, side, side), sheet.wheel, WheelColours::Print());
        y += side;
    }

    y += 10;
    painter.setFont(Font(painter, 10));
    if (!sheet.birth.isEmpty())
        y += Paragraph(painter, left, y, width, sheet.birth) + 6;
    painter.setFont(Font(painter, 11, true));
    y += Paragraph(painter, left, y, width, moon) + 6;
    painter.setFont(Font(painter, 10));
    if (!sheet.passage.isEmpty())
        y += Paragraph(painter, left, y, width, sheet.passage) + 6;

    y += 10;
    for (int i = 0; i < sheet.captions.size(); ++i) {
        painter.setFont(Font(painter, 9.5, true));
        const qreal captionLeft = rightToLeft ? left + width - (captionWidth - 8) : left;
        const qreal captionHeight = Paragraph(painter, captionLeft, y, captionWidth - 8, sheet.captions[i]);
        painter.setFont(Font(painter, 9.5));
        const qreal textLeft = rightToLeft ? left : left + captionWidth;
        const qreal textHeight = Paragraph(painter, textLeft, y, width - captionWidth, EnglishText(sheet.texts.value(i)));
        y += std::max(captionHeight, textHeight) + 5;
    }

    painter.setFont(Font(painter, 7.5));
    Paragraph(painter, left, bottom - 9, width,
              ReadingSheetText::tr("Qamarel v%1 \u2014 sidereal zodiac; the 28 mansions from 0\u00B0 Aries, %2 each.")
                  .arg(QStringLiteral(QAMAREL_VERSION), QStringLiteral("12\u00B051\u203226\u2033")));
    painter.restore();
}

QByteArray ReadingPdf(const ReadingSheet& sheet)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(SheetTitle(sheet));
        pdf.setCreator(QStringLiteral("Qamarel " QAMAREL_VERSION));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&pdf);
        const QSizeF points = QPageSize(QPageSize::A4).size(QPageSize::Point);
        painter.setWindow(0, 0, qRound(points.width()), qRound(points.height()));
        painter.setViewport(0, 0, pdf.width(), pdf.height());
        DrawReadingSheet(painter, QRectF(QPointF(0, 0), points), sheet);
    }
    return bytes;
}

QByteArray WheelPng(const WheelReading& wheel, int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        DrawMansionWheel(painter, QRectF(0, 0, size, size), wheel, WheelColours::Print());
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
