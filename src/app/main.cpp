#include "app/Run.h"

int main(int argc, char *argv[])
{
    return runTovalin(argc, argv, WEBSITES);
}
