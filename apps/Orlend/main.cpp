// Orlend, the backup manager: browses and edits backup archives.

#include <cstdio>

int main(int, char**)
{
    std::fprintf(stderr, "%s\n", "Usage: Orlend <files to back up> [options]");
    return 2;
}
