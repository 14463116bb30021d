#include "unzprogress.h"

#include <cmath>

double unzProgressPercent(double printCount, double memberTotal) {
    if (memberTotal == 0) {
        return 0;
    }
    // nearbyint rounds halves to the even neighbour in the default mode.
    return std::nearbyint((printCount + 1) / memberTotal * 100 / 2);
}
