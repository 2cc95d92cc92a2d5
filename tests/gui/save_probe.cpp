// Saves two readings in turn to one file, without end, until it is killed:
// the file must always hold one of the two whole readings. Says "saving" after
// the number of saves given, so that each kill lands at another moment.
#include "windows/FileSaving.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const unsigned long announceAfter = std::strtoul(argv[2], nullptr, 10);
    const std::string readings[] = {"19\xC2\xB0 27' 45\" Lib", "1\xC2\xB0 2' 3\" Ari"};
    for (unsigned long n = 0;; ++n) {
        if (!SaveReadingFile(path, readings[n % 2]).isEmpty())
            return 1;
        if (n == announceAfter) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
