#pragma once

#include <QImageIOPlugin>

// PngReadingPlugin — PNG pictures read by the ending of their name.
//
// Qt has no plugin for PNG (it reads PNG itself), so a reader given a file
// "x.png" without a format asks every image-format plugin whether it reads
// "png", loading each: GIF, ICO and JPEG with libjpeg. Qt's own styles read
// their icons and frames that way, and so the first window paid for four
// libraries it never uses: about 0.5 MB and a millisecond before it showed.
// This plugin, linked into the program (Q_IMPORT_PLUGIN(PngReadingPlugin)),
// answers for "png" by name, and hands the reading to Qt's own PNG reader.
class PngReadingPlugin : public QImageIOPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QImageIOHandlerFactoryInterface_iid FILE "PngReading.json")

public:
    Capabilities capabilities(QIODevice* device, const QByteArray& format) const override;
    QImageIOHandler* create(QIODevice* device, const QByteArray& format = QByteArray()) const override;
};
