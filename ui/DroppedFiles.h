#pragma once

#include <QStringList>

class QMimeData;

// The local files a drag carries (as a file manager drags them); none when it
// carries anything else.
QStringList DroppedFiles(const QMimeData* data);
