// Stands in for the malloc.h of a C library without heap tuning (no mallopt,
// as on Windows or with musl): the program's sources must build there too.
#pragma once
#include <stdlib.h>
