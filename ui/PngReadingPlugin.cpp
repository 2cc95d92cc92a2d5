#include "ui/PngReadingPlugin.h"

#include <QImageReader>

namespace {

// Set while Qt's own PNG reader reads for us: the reader it makes looks for a
// plugin of "png" again, and must then find none.
thread_local bool readingInside = false;

class PngReading : public QImageIOHandler {
public:
    bool canRead() const override
    {
        if (!device() || !device()->peek(8).startsWith("\x89PNG\r\n\x1a\n"))
            return false;
        setFormat("png");
        return true;
    }

    bool read(QImage* image) override
    {
        readingInside = true;
        QImageReader reader(device(), "png");
        reader.setAutoDetectImageFormat(false);  // Qt's PNG reader, and no other
        const bool done = reader.read(image);
        readingInside = false;
        return done;
    }
};

}  // namespace

QImageIOPlugin::Capabilities PngReadingPlugin::capabilities(QIODevice*, const QByteArray& format) const
{
    return format == "png" && !readingInside ? CanRead : Capabilities();
}

QImageIOHandler* PngReadingPlugin::create(QIODevice* device, const QByteArray& format) const
{
    auto* handler = new PngReading;
    handler->setDevice(device);
    handler->setFormat(format);
    return handler;
}
