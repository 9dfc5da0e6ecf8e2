/* The height and weight lines of the info panel, built in bounded buffers.
   Win32-free so the edge values are tested natively. */
#ifndef ZORAVEL_INFO_LINES_H
#define ZORAVEL_INFO_LINES_H

const int HEIGHT_LINE_SIZE = 17; /* "Wzrost: " + five digits + " cm" + NUL */
const int WEIGHT_LINE_SIZE = 20; /* "Masa: " + nine digits and a comma + " kg" + NUL */

/* "Wzrost: 109 cm"; returns the line's length. */
int FormatHeightLine(int heightCm, char (&line)[HEIGHT_LINE_SIZE]);

/* "Masa: 10,2 kg" from 102 tenths; returns the line's length. */
int FormatWeightLine(int weightTenthKg, char (&line)[WEIGHT_LINE_SIZE]);

#endif
