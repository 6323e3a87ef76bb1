// Sorts one set of 100 pseudo-random integers twice, by insertion sort and by quicksort, and
// writes the data, both results and both running times as a Chinese report.
//
// The report's texts are GBK (code page 936) bytes, spelled out as escapes so that every compiler
// writes them unchanged whatever its execution character set; the comment above each gives the
// text a GBK console shows.

#include "display.h"
#include "sorts.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

int main() {
    int count = 100;
    int first[100];
    int second[100];

    // Never seeded: every run on the same C library lists the same data.
    for (int i = 0; i < count; i++) {
        first[i] = std::rand() % 1000;
        second[i] = first[i];
    }

    // 排序前的数组:
    std::puts("\xC5\xC5\xD0\xF2\xC7\xB0\xB5\xC4\xCA\xFD\xD7\xE9:");
    display(first, count);

    std::clock_t t1 = std::clock();
    Insert_a(first, count);
    std::clock_t t2 = std::clock();
    // 插入排序后的数组:
    std::puts("\xB2\xE5\xC8\xEB\xC5\xC5\xD0\xF2\xBA\xF3\xB5\xC4\xCA\xFD\xD7\xE9:");
    display(first, count);
    // 插入排序运行时间：%ld
    std::printf("\xB2\xE5\xC8\xEB\xC5\xC5\xD0\xF2\xD4\xCB\xD0\xD0\xCA\xB1\xBC\xE4\xA3\xBA%ld\n",
                (t2 - t1) / 1000);

    std::clock_t t3 = std::clock();
    QuickSort(second, 0, count - 1);
    std::clock_t t4 = std::clock();
    // 快速排序后的数组:
    std::puts("\xBF\xEC\xCB\xD9\xC5\xC5\xD0\xF2\xBA\xF3\xB5\xC4\xCA\xFD\xD7\xE9:");
    display(second, count);
    // 快速排序运行时间：%ld
    std::printf("\xBF\xEC\xCB\xD9\xC5\xC5\xD0\xF2\xD4\xCB\xD0\xD0\xCA\xB1\xBC\xE4\xA3\xBA%ld\n",
                (t4 - t3) / 1000);

    // A report that did not reach its destination whole must not pass for success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        int error = errno;
        std::fprintf(stderr, "quicksort-and-insert: cannot write the report: %s\n",
                     error != 0 ? std::strerror(error) : "write error");
        return 1;
    }
    return 0;
}
