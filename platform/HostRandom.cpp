#include "platform/HostRandom.h"

namespace {
// A linear congruential generator, so the same seed gives the same game on
// every host.
unsigned long long hostRandState = 1;
}

int hostRand()
{
    hostRandState = (hostRandState * 1103515245ULL + 12345ULL) & 0xffffffffULL;
    return static_cast<int>((hostRandState >> 16) & 0x7fff);
}

void hostSrand(unsigned int seed)
{
    hostRandState = seed;
}
