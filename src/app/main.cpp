#include "app/Run.h"

int main(int, char *argv[])
{
    return runTovalin(argv, WEBSITES);
}
