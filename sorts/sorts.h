#ifndef SORTS_H
#define SORTS_H

// Sorts values[0 .. count-1] into ascending order in place by straight insertion.
// Invariant: before outer step i, values[0 .. i] is sorted; the key values[i+1] moves left past
// every element strictly greater than itself, so equal elements keep their order (stable).
// With count < 2 the array is neither read nor written (values may then be null).
// Linear on ascending input, quadratic at worst; constant extra memory.
void Insert_a(int *values, int count);

// Sorts values[low .. high] (both bounds inclusive) into ascending order in place, by recursive
// partition around the range's first element; nothing outside the range is read or written.
// With low >= high it returns at once without reading the array. Not stable.
// Invariant of a partition: values[low .. i-1] < pivot <= values[j+1 .. high], and the one slot
// not holding a live value (the hole) is values[i] or values[j].
// Recursion depth: each call sorts both sides by real recursive calls, the left one first. On
// ascending, descending or all-equal input every partition peels off one element, so a range of
// n elements nests n calls deep. A call's frame is 24 to 48 bytes in a native x86-64 build, 80 in
// the 64-bit Windows build and about 380 under AddressSanitizer, so keep such ranges below some
// 10,000 elements unless the stack is known to be larger than the usual 1 to 8 MiB.
void QuickSort(int *values, int low, int high);

#endif
