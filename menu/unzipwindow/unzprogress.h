#pragma once

// The progress percentage of the extraction pass: (print count + 1) of two
// print calls per member, rounded half to even. 0 when nothing was counted.
// May exceed 100 when the engine prints more than expected.
double unzProgressPercent(double printCount, double memberTotal);
