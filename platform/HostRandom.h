#ifndef PLATFORM_HOSTRANDOM_H
#define PLATFORM_HOSTRANDOM_H

// The game's random numbers have the 15-bit range its formulas are written
// for: every `hostRand() / 32767.0f` lies in 0..1. The C library's rand() on
// this host reaches 2147483647, so game code never calls it directly.
const int HOST_RAND_MAX = 32767;

// 0..HOST_RAND_MAX; the sequence depends only on the last seed.
int hostRand();
void hostSrand(unsigned int seed);

#endif
