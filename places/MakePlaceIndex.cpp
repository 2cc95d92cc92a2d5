// Makes the place index (PlaceIndexFormat.h) at build time from libgeonames'
// list and catalogues: make-place-index OUTPUT
#include "places/PlaceIndexWriter.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    const PlaceList list = LoadPlaceList();
    if (!list.loaded) {
        std::fprintf(stderr, "%s: the place list (libgeonames) could not be loaded: %s\n", argv[0],
                     list.problem.toLocal8Bit().constData());
        return 1;
    }
    std::string problem;
    if (!WritePlaceIndex(list, argv[1], problem)) {
        std::fprintf(stderr, "%s: %s\n", argv[0], problem.c_str());
        return 1;
    }
    return 0;
}
