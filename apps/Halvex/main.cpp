// Halvex, the backup runner: zips the data files into an archive or restores them.

#include <cstdio>

int main(int, char**)
{
    std::fprintf(stderr, "%s\n", "Usage: Halvex <data file>");
    return 2;
}
