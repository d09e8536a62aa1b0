// The program as shipped, except that every site opens the one address given on the command line,
// so that a running session can be measured on a page served from this machine.
#include "app/Run.h"

#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s URL\n", argv[0]);
        return 2;
    }
    Websites websites;
    for (const auto &site : WEBSITES)
        websites[site.first] = QString::fromLocal8Bit(argv[1]);
    return runTovalin(argv, websites);
}
