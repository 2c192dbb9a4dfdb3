// Pivra, the message program: shows one message or reminder handed over by VLMR.

#include <cstdio>

int main(int, char**)
{
    std::fprintf(stderr, "%s\n", "Usage: Pivra ID=<message number>");
    return 2;
}
