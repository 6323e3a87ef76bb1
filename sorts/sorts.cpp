#include "sorts.h"

void Insert_a(int *values, int count) {
    // i + 1 < count, not i < count - 1: the latter overflows for count == INT_MIN.
    for (int i = 0; i + 1 < count; i++) {
        int key = values[i + 1];
        int j = i + 1;
        while (j > 0 && values[j - 1] > key) {
            values[j] = values[j - 1];
            j--;
        }
        values[j] = key;
    }
}

// Recursion, on both sides and the left first, is the algorithm being measured.
void QuickSort(int *values, int low, int high) { // NOLINT(misc-no-recursion)
    if (low >= high) {
        return;
    }
    int i = low;
    int j = high;
    int pivot = values[low];
    while (i < j) {
        // An element equal to the pivot ends up on its right, from whichever side it came.
        while (i < j && values[j] >= pivot) {
            j--;
        }
        if (i < j) {
            values[i] = values[j];
            i++;
        }
        while (i < j && values[i] < pivot) {
            i++;
        }
        if (i < j) {
            values[j] = values[i];
            j--;
        }
    }
    values[i] = pivot;
    QuickSort(values, low, i - 1);
    QuickSort(values, i + 1, high);
}
