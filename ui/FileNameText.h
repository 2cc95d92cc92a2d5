#pragma once

#include <QByteArray>
#include <QString>

// File names as the system has them (bytes) and as Qt holds them (text),
// both ways without loss. A name is most often UTF-8, but need not be: one
// copied from an old disk or archive may hold Latin-1 bytes. Qt's own
// conversion turns such bytes into U+FFFD and the file can no longer be
// opened; here each byte that is not part of valid UTF-8 is kept as the lone
// surrogate U+DC00 + byte (as Python's "surrogateescape" does) and comes back
// as that byte.

// FileNameText — `bytes` as text (valid UTF-8 decoded; every other byte escaped)
QString FileNameText(const QByteArray& bytes);

// FileNameBytes — the bytes of `text`: UTF-8, with escaped bytes restored
QByteArray FileNameBytes(const QString& text);
