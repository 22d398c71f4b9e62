#include "MakerStartup.h"

int main(int argc, char** argv)
{
    return RunMaker(argc, argv);
}
