#include "display.h"

#include <cstdio>

void display(const int *values, int count) {
    for (int i = 0; i < count; i++) {
        std::printf("%d  ", values[i]);
    }
    std::putchar('\n');
}
