#ifndef DISPLAY_H
#define DISPLAY_H

// Writes values[0 .. count-1] to standard output as one listing line: each value as "%d" followed
// by two spaces, then a newline. With count < 1 only the newline is written. Reads the array only.
void display(const int *values, int count);

#endif
