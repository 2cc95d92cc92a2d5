#include "ui/FileNameText.h"

namespace {

constexpr char16_t EscapeBase = 0xDC00;  // U+DC80..U+DCFF: the bytes 0x80..0xFF

// The length of the valid UTF-8 sequence at `at` (1 to 4), or 0 when there is none.
int SequenceLength(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the second byte's range
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;  // no overlong forms
        if (lead == 0xED)
            high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;  // nothing past U+10FFFF
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i)
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    return length;
}

}  // namespace

QString FileNameText(const QByteArray& bytes)
{
    QString text;
    qsizetype start = 0;  // the run of valid UTF-8 not yet decoded
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = SequenceLength(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        text += QString::fromUtf8(bytes.constData() + start, at - start);
        text += QChar(static_cast<char16_t>(EscapeBase + static_cast<unsigned char>(bytes[at])));
        start = ++at;
    }
    return text + QString::fromUtf8(bytes.constData() + start, bytes.size() - start);
}

QByteArray FileNameBytes(const QString& text)
{
    QByteArray bytes;
    qsizetype start = 0;  // the run of ordinary text not yet encoded
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        const bool escaped = unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF &&
                             (at == 0 || !text[at - 1].isHighSurrogate());
        if (!escaped)
            continue;
        bytes += QStringView(text).mid(start, at - start).toUtf8();
        bytes += static_cast<char>(unit - EscapeBase);
        start = at + 1;
    }
    return bytes + QStringView(text).mid(start).toUtf8();
}
