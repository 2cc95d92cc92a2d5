// A stand-in for a starting copy of the program: applies the single-instance
// rule to the lock file given, prints "first" or "running", and as the first
// copy holds the lock until its standard input closes or it is killed.
#include "shell/SingleInstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    if (instance.IsAnotherRunning()) {
        std::puts("running");
        return 3;
    }
    std::puts("first");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
