// The reading to look at and keep: the mansion wheel drawn offscreen, the
// page as PDF and through a printer, and the result window's entries for them.
#include "WindowTestSupport.h"

#include "pictures/MansionWheel.h"
#include "windows/frmArabicLunarMansionResult.h"
#include "pictures/ReadingSheet.h"
#include "pictures/SheetPrinting.h"
#include "windows/frmMansionWheel.h"
#include "core/MansionReading.h"
#include "core/ReadingState.h"
#include "core/BirthMoment.h"
#include "shell/WindowTurns.h"
#include "ui/FileDialogs.h"

#include "../ChartFixture.h"

#include <QtMath>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QTimer>

#include <vector>

class ReadingPicturesTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    ReadingState state;
    WindowTurns turns{state};
    MessageRecorder* messages = nullptr;

    // The text of a PDF, as pdftotext reads it, with runs of white space as one.
    static QString PdfText(const QString& path)
    {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        if (!pdftotext.waitForFinished(20000) || pdftotext.exitCode() != 0)
            return QStringLiteral("<pdftotext failed>");
        return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
    }

    // The J2000 birth at Greenwich, computed as the form computes it.
    void ComputeJ2000()
    {
        state = ReadingState{};
        state.chart = MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0);
        state.birth = MomentOfTypedBirth(state.chart, "Ada");
        state.passage = FindMansionPassage(*state.birth);
        const MansionReading reading = ReadingForChart(state.chart);
        QCOMPARE(ChooseCurrentMansion(state, reading.position), PositionTextStatus::WellFormed);
    }

    // The texts a page must hold: the position, the ten texts and the passage.
    void ExpectTheReading(const QString& text, bool passage)
    {
        QVERIFY2(text.contains(QStringLiteral("19\u00B0 27\u2032 45\u2033 Libra")), qPrintable(text.left(300)));
        QVERIFY(text.contains(QStringLiteral("mansion 16")));
        for (std::size_t i = 0; i < MansionFieldCount; ++i) {
            const std::string field(state.currentMansion[i]);
            QVERIFY2(text.contains(QString::fromStdString(field).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified()),
                     field.c_str());
        }
        QCOMPARE(text.contains(QStringLiteral("The Moon was in this mansion all day on 1 January 2000.")), passage);
    }

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void init() { messages = new MessageRecorder; }
    void cleanup()
    {
        DeleteAllWindows();
        FileDialogs::SetHandler({});
        delete messages;
    }

    // For every mansion: the Moon's mark and its day's path stand inside the
    // highlighted mansion, clear of the centre: the mark's pixels and the
    // path's, at the Moon's longitude, lie farther out than where the
    // highlight begins along that radius.
    void moonAndPathInsideTheMansion()
    {
        const WheelColours colours = WheelColours::Screen();
        const QRectF square(0, 0, 600, 600);
        const QPointF centre = square.center();
        const double width = 360.0 / 28;
        for (int k = 1; k <= 28; ++k) {
            WheelReading wheel;
            wheel.mansion = k;
            wheel.moonLongitude = (k - 1) * width + width * 0.5;
            wheel.dayFrom = wheel.moonLongitude - 4;
            wheel.dayTo = wheel.moonLongitude + 4;
            QImage image(600, 600, QImage::Format_RGB32);
            {
                QPainter painter(&image);
                DrawMansionWheel(painter, square, wheel, colours);
            }
            // Along a radius from the centre (0° Aries at 9 o'clock, the
            // longitude growing downward): the first pixel of a colour.
            auto first = [&](double longitude, const QColor& colour) {
                const double a = qDegreesToRadians(longitude);
                for (double d = 0; d < 300; d += 0.5)
                {
                    const QColor c = image.pixelColor(QPoint(qRound(centre.x() - d * std::cos(a)), qRound(centre.y() + d * std::sin(a))));
                    if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) + std::abs(c.blue() - colour.blue()) < 90)
                        return d;  // the colour, or near it at a smoothed edge
                }
                return -1.0;
            };
            const double highlight = first(wheel.moonLongitude - 3.5, colours.highlight);  // clear of the birth's tick
            const double moon = first(wheel.moonLongitude, colours.moon);
            const double path = first(wheel.moonLongitude + 3.5, colours.path);  // beside the Moon's mark
            const QByteArray shown = QByteArray::number(k) + ": highlight from " + QByteArray::number(highlight) + ", moon at " +
                                     QByteArray::number(moon) + ", path at " + QByteArray::number(path);
            QVERIFY2(highlight > 0 && moon > highlight && path > highlight, shown.constData());
        }
    }

    // For every mansion: the Moon's mark where its longitude puts it, its
    // mansion highlighted and the opposite one not.
    void wheelMarksTheMoonAndItsMansion()
    {
        const WheelColours colours = WheelColours::Screen();
        const QRectF square(0, 0, 600, 600);
        const double width = 360.0 / 28;
        for (int k = 1; k <= 28; ++k) {
            WheelReading wheel;
            wheel.mansion = k;
            wheel.moonLongitude = (k - 1) * width + width * 0.7;
            QImage image(600, 600, QImage::Format_RGB32);
            {
                QPainter painter(&image);
                DrawMansionWheel(painter, square, wheel, colours);
            }
            const QPoint moon = WheelPoint(square, wheel.moonLongitude, Wheel::MoonRadius).toPoint();
            QCOMPARE(image.pixelColor(moon), colours.moon);
            auto inSector = [&](int mansion) {
                return WheelPoint(square, (mansion - 1) * width + width * 0.25, 0.56).toPoint();
            };
            QCOMPARE(image.pixelColor(inSector(k)), colours.highlight);
            QCOMPARE(image.pixelColor(inSector((k + 13) % 28 + 1)), colours.background);
            // Its edge heavier and brighter than the other boundaries.
            QCOMPARE(image.pixelColor(WheelPoint(square, (k - 1) * width, 0.6).toPoint()), colours.highlightEdge);
            QVERIFY(image.pixelColor(WheelPoint(square, ((k + 13) % 28) * width, 0.6).toPoint()) != colours.highlightEdge);
        }
        // 0° Aries on the left, the zodiac counter-clockwise: 90° (Cancer) below the centre.
        QCOMPARE(WheelPoint(square, 0, 1).toPoint(), QPoint(0, 300));
        QCOMPARE(WheelPoint(square, 90, 1).toPoint(), QPoint(300, 600));
    }

    // The wheel drawn in colours of its own kind each (lines red, texts green,
    // the path magenta), looked at pixel by pixel: the 28 mansion boundaries
    // and the 12 sign boundaries where the longitudes put them, each label
    // between its two boundaries, and the day's path where the Moon went,
    // also across 0° Aries.
    void wheelBoundariesLabelsAndPath()
    {
        const WheelColours colours{QColor(0, 0, 0),     QColor(255, 0, 0),     QColor(0, 255, 255), QColor(0, 255, 0),
                                   QColor(0, 0, 255),   QColor(255, 255, 255), QColor(255, 0, 255), QColor(255, 0, 0)};
        const QRectF square(0, 0, 800, 800);
        const double width = 360.0 / 28;
        auto isLine = [](QColor c) { return c.red() >= 128 && c.green() < 100 && c.blue() < 128; };
        auto isText = [](QColor c) { return c.green() >= 128 && c.red() < 100; };
        auto isPath = [](QColor c) { return c.red() >= 128 && c.blue() >= 128 && c.green() < 100; };

        const struct {
            const char* what;
            double from, to;
            std::vector<double> on, off;  // longitudes on the path's circle
        } days[] = {
            {"across 0\u00B0 Aries", 355, 8, {356, 359, 0, 3, 7}, {350, 20, 90, 180, 270}},
            {"within Cancer", 100, 113, {101, 106.5, 112}, {95, 118, 180, 253.5, 280}},
        };
        for (const auto& day : days) {
            WheelReading wheel;
            wheel.mansion = 1;
            wheel.moonLongitude = 200;  // its mark lies inside the rings looked at
            wheel.dayFrom = day.from;
            wheel.dayTo = day.to;
            QImage image(800, 800, QImage::Format_RGB32);
            {
                QPainter painter(&image);
                DrawMansionWheel(painter, square, wheel, colours);
            }
            // Whether a pixel of the kind lies within a pixel of where a longitude and radius fall.
            auto near = [&](double longitude, double radius, auto kind) {
                const QPoint at = WheelPoint(square, longitude, radius).toPoint();
                for (int dx = -1; dx <= 1; ++dx)
                    for (int dy = -1; dy <= 1; ++dy)
                        if (kind(image.pixelColor(at + QPoint(dx, dy))))
                            return true;
                return false;
            };
            // Pixels of the kind in the mansions' ring between two longitudes.
            auto count = [&](double from, double to, auto kind) {
                int n = 0;
                for (double a = from; a <= to; a += 0.1)
                    for (double radius = 0.56; radius <= 0.82; radius += 0.005)
                        n += kind(image.pixelColor(WheelPoint(square, a, radius).toPoint()));
                return n;
            };
            for (int k = 0; k < 28; ++k) {
                const double boundary = k * width;
                for (const double radius : {0.56, 0.70, 0.83})
                    QVERIFY2(near(boundary, radius, isLine), qPrintable(QStringLiteral("boundary %1 at radius %2").arg(k).arg(radius)));
                for (const double between : {boundary + width / 4, boundary + 3 * width / 4})
                    QVERIFY2(!near(between, 0.70, isLine), qPrintable(QStringLiteral("a line at %1\u00B0").arg(between)));
                QVERIFY2(count(boundary + width / 2 - 1, boundary + width / 2 + 1, isText) > 20,
                         qPrintable(QStringLiteral("no label in mansion %1").arg(k + 1)));
                QVERIFY2(count(boundary - 1, boundary + 1, isText) == 0,
                         qPrintable(QStringLiteral("a label on boundary %1").arg(k)));
            }
            for (int s = 0; s < 12; ++s) {
                QVERIFY2(near(30.0 * s, 0.93, isLine), qPrintable(QStringLiteral("sign boundary %1").arg(s)));
                QVERIFY2(!near(30.0 * s + 7.5, 0.93, isLine), qPrintable(QStringLiteral("a line in sign %1").arg(s)));
            }
            for (const double at : day.on)
                QVERIFY2(near(at, Wheel::PathRadius, isPath), qPrintable(QStringLiteral("%1: no path at %2").arg(day.what).arg(at)));
            for (const double at : day.off)
                QVERIFY2(!near(at, Wheel::PathRadius, isPath), qPrintable(QStringLiteral("%1: a path at %2").arg(day.what).arg(at)));
        }
    }

    // Every label's box, sign names and mansions alike, clear of every line:
    // no line pixel inside any box, at the sizes of a small window, the
    // default one and the page, with the window's text sizes at 96 and 144 dpi.
    void wheelLabelsTouchNoLine()
    {
        const WheelColours colours{QColor(0, 0, 0),   QColor(255, 0, 0),     QColor(0, 255, 255), QColor(0, 255, 0),
                                   QColor(0, 0, 255), QColor(255, 255, 255), QColor(255, 0, 255), QColor(255, 0, 0)};
        auto isLine = [](QColor c) { return c.red() >= 160 && c.green() < 80 && c.blue() < 80; };
        const struct {
            int side;
            double pixels;
        } sizes[] = {{420, 11}, {600, 11}, {900, 16}, {1200, 0}};
        for (const auto& size : sizes) {
            WheelReading wheel;
            wheel.mansion = 12;
            wheel.moonLongitude = 150;
            wheel.minimumTextPixels = size.pixels;
            const QRectF square(0, 0, size.side, size.side);
            QImage image(size.side, size.side, QImage::Format_RGB32);
            QFont font(QStringLiteral("DejaVu Sans"));
            {
                QPainter painter(&image);
                painter.setFont(font);
                DrawMansionWheel(painter, square, wheel, colours);
            }
            const std::vector<WheelLabel> labels = WheelLabels(square, font, size.pixels);
            QCOMPARE(labels.size(), std::size_t(40));
            for (const WheelLabel& label : labels) {
                QPainterPath box;
                box.addPolygon(label.place.map(QPolygonF(label.box)));
                const QRect bounds = box.boundingRect().toAlignedRect() & image.rect();
                int touching = 0;
                for (int y = bounds.top(); y <= bounds.bottom(); ++y)
                    for (int x = bounds.left(); x <= bounds.right(); ++x)
                        touching += box.contains(QPointF(x + 0.5, y + 0.5)) && isLine(image.pixelColor(x, y));
                QVERIFY2(touching == 0, qPrintable(QStringLiteral("%1 touches a line at %2 px (%3 line pixels)")
                                                        .arg(label.whole).arg(size.side).arg(touching)));
            }
        }
    }

    // The birth data on the page: latitude first, the zone always with its
    // sign (its own direction, else East ahead) and two-digit minutes, summer
    // time with the clocks' offset, and the place when one is known.
    void birthDataGivesTheZonesDirection()
    {
        const struct {
            int hours, minutes, ahead;
            char hemisphere;
            bool summer;
            const char* clock;
            const char* zone;
        } cases[] = {
            {5, 30, -1, 'E', false, "06:12 UTC+5:30", "time zone UTC+5:30"},
            {3, 30, 1, 'E', false, "06:12 UTC\u22123:30", "time zone UTC\u22123:30"},
            {9, 5, 1, 'W', false, "06:12 UTC\u22129:05", "time zone UTC\u22129:05"},
            {0, 45, -1, 'W', false, "06:12 UTC+0:45", "time zone UTC+0:45"},
            {2, 0, 0, 'E', false, "06:12 UTC+2", "time zone UTC+2"},  // unsigned, East: ahead
            {5, 0, 0, 'W', false, "06:12 UTC\u22125", "time zone UTC\u22125"},  // unsigned, West: behind
            {0, 0, 0, 'W', false, "06:12 UTC+0", "time zone UTC+0"},
            {1, 0, -1, 'W', true, "06:12 UTC+2", "time zone UTC+1, summer time (clocks at UTC+2)"},
            {5, 0, 1, 'W', true, "06:12 UTC\u22124", "time zone UTC\u22125, summer time (clocks at UTC\u22124)"},
            {0, 0, 0, 'W', true, "06:12 UTC+1", "time zone UTC+0, summer time (clocks at UTC+1)"},
        };
        for (const auto& c : cases) {
            ChartRecord birth = MakeChart(1987, 3, 21, 6, 12, 77, 3, c.hemisphere, c.hours, c.minutes, c.summer);
            birth.ZoneAhead = std::int16_t(c.ahead);
            QCOMPARE(BirthDataText(MomentOfTypedBirth(birth)),
                     QStringLiteral("Born on 21 March 1987 at %1, 51\u00B028\u2032N 77\u00B003\u2032%2, %3")
                         .arg(QString::fromUtf8(c.clock), QString(QLatin1Char(c.hemisphere)), QString::fromUtf8(c.zone)));
        }
        BirthMoment greenwich = MomentOfTypedBirth(MakeChart(2000, 1, 1, 12, 0, 0, 0, 'W', 0, 0));
        greenwich.where.place = BirthPlace{"Greenwich", {}, "England", "United Kingdom", {}, {}, {}};
        QCOMPARE(BirthDataText(greenwich),
                 QStringLiteral("Born on 1 January 2000 at 12:00 UTC+0 in Greenwich, England, United Kingdom, "
                                "51\u00B028\u2032N 0\u00B000\u2032W, time zone UTC+0"));
    }

    void pdfHoldsTheReadingAsText()
    {
        ComputeJ2000();
        const ReadingSheet sheet = SheetForReading(state.chart.MoonPositionText, state.currentMansion, state.birth, state.passage);
        const QString path = dir.filePath(QStringLiteral("j2000.pdf"));
        WriteFile(path, ReadingPdf(sheet));
        const QString text = PdfText(path);
        ExpectTheReading(text, true);
        QVERIFY(text.contains(QStringLiteral("Arabic Lunar Mansion Reading for Ada")));
        QVERIFY(text.contains(QStringLiteral("Born on 1 January 2000 at 12:00 UTC+0")));
        QVERIFY(text.contains(QStringLiteral("51\u00B028\u2032N 0\u00B000\u2032W, time zone UTC+0")));

        // An unsigned zone East of Greenwich: ahead, with its sign.
        BirthMoment east = MomentOfTypedBirth(MakeChart(1987, 3, 21, 6, 12, 31, 14, 'E', 2, 0), "Ada");
        east.where.place = BirthPlace{"Cairo", {}, {}, "Egypt", {}, {}, {}};
        WriteFile(path, ReadingPdf(SheetForReading(state.chart.MoonPositionText, state.currentMansion, east, std::nullopt)));
        QVERIFY(PdfText(path).contains(QStringLiteral("Born on 21 March 1987 at 06:12 UTC+2 in Cairo, Egypt, 51\u00B028\u2032N "
                                                       "31\u00B014\u2032E, time zone UTC+2")));
    }

    void printsThroughAPrinter()
    {
        ComputeJ2000();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        QVERIFY(PrintReadingSheet(printer, SheetForReading(state.chart.MoonPositionText, state.currentMansion, state.birth,
                                                          state.passage)));
        ExpectTheReading(PdfText(path), true);
    }

    // From the result window: the wheel, and the PDF written where the user
    // chose; a reading opened from a file has no passage.
    void resultWindowShowsAndExports()
    {
        ComputeJ2000();
        QWidget* result = turns.ShowResultWindow();
        Control<QAction>(result, "mnuWheel")->trigger();
        QWidget* wheel = OpenWindow("frmMansionWheel");
        QVERIFY(wheel);
        QVERIFY(Control<QLabel>(wheel, "lblPassage")->text().contains(QStringLiteral("all day on 1 January 2000")));
        wheel->close();

        // Offered under the page's title; the place named on the page, the
        // wheel under the title, above the birth data.
        state.birth->where.place = BirthPlace{"Greenwich", {}, "England", {}, {}, {}, {}};
        const QString path = dir.filePath(QStringLiteral("exported"));
        FileDialogs::SetHandler([&](const QString& title) {
            return title == QLatin1String("Export as PDF") ? path : QString();
        });
        Control<QAction>(result, "mnuExportPdf")->trigger();
        QVERIFY(messages->shown.empty());
        QCOMPARE(QFileInfo(FileDialogs::LastSuggestion()).fileName(), QStringLiteral("Arabic Lunar Mansion Reading for Ada.pdf"));
        const QString computed = PdfText(path + QStringLiteral(".pdf"));
        ExpectTheReading(computed, true);
        QVERIFY(computed.contains(QStringLiteral("Born on 1 January 2000 at 12:00 UTC+0 in Greenwich, England, 51\u00B028\u2032N")));
        const qsizetype title = computed.indexOf(QStringLiteral("Arabic Lunar Mansion Reading for Ada"));
        const qsizetype wheelText = computed.indexOf(QStringLiteral("16 Azubene Al Jubana"));  // the wheel's centre
        QVERIFY2(title >= 0 && title < wheelText && wheelText < computed.indexOf(QStringLiteral("Born on")), qPrintable(computed.left(400)));

        // A reading opened from a file (its position without the degree sign):
        // no birth data, no passage, nothing guessed; the position in degrees,
        // minutes and seconds; offered in the folder the last PDF went to.
        state.passage.reset();
        state.birth.reset();
        state.chart.MoonPositionText = "19 27' 45\" Lib";
        Control<QAction>(result, "mnuExportPdf")->trigger();
        QCOMPARE(FileDialogs::LastSuggestion(), dir.filePath(QStringLiteral("Arabic Lunar Mansion Reading.pdf")));
        const QString opened = PdfText(path + QStringLiteral(".pdf"));
        ExpectTheReading(opened, false);
        QVERIFY(!opened.contains(QStringLiteral("Born on")));
    }

    // Print in the result window loads the printing module and asks for a
    // printer; cancelled there, nothing is printed and nothing is said.
    void printFromTheResultWindowAsksForAPrinter()
    {
        ComputeJ2000();
        QWidget* result = turns.ShowResultWindow();
        bool asked = false;
        QTimer closer;
        closer.setInterval(20);
        connect(&closer, &QTimer::timeout, this, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                asked = dialog->inherits("QPrintDialog") || dialog->inherits("QAbstractPrintDialog");
                dialog->reject();
            }
        });
        closer.start();
        QTimer::singleShot(20000, &closer, &QTimer::stop);  // a bound, should the dialog never come
        Control<QAction>(result, "mnuPrint")->trigger();
        closer.stop();
        QVERIFY(asked);
        QVERIFY2(messages->shown.empty(), messages->shown.empty() ? "" : qPrintable(messages->shown[0].text));
    }

    void failedExportIsSaid()
    {
        ComputeJ2000();
        QWidget* result = turns.ShowResultWindow();
        // The dialog would come back after the message; the handler answers Cancel the second time.
        int asked = 0;
        FileDialogs::SetHandler([&](const QString&) { return asked++ == 0 ? QStringLiteral("/proc/qamarel-reading.pdf") : QString(); });
        Control<QAction>(result, "mnuExportPdf")->trigger();
        QCOMPARE(messages->shown.size(), std::size_t(1));
        QVERIFY2(messages->shown[0].text.startsWith(QStringLiteral("The reading was not exported to /proc/qamarel-reading.pdf.\n")),
                 qPrintable(messages->shown[0].text));
        QCOMPARE(messages->shown[0].icon, Messages::Icon::Error);
    }
};

QTEST_MAIN(ReadingPicturesTest)
#include "ReadingPicturesTest.moc"
