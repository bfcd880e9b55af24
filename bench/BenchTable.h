#pragma once
// One row of the `make bench` table: our figure, the floor measured in the
// same run, and their ratio. Every benchmark prints through this so the
// rows line up under the one header.
#include <cstdio>

inline void benchHeader()
{
    std::printf("%-52s %14s %14s %7s\n", "figure (median)", "ours", "floor", "ratio");
}

inline void benchRow(const char* figure, double ours, double floor, const char* unit)
{
    std::printf("%-52s %11.3f %-2s %11.3f %-2s %7.2f\n", figure, ours, unit, floor, unit,
                floor > 0 ? ours / floor : 0.0);
    std::fflush(stdout);
}

// A figure that has no floor of its own.
inline void benchFigure(const char* figure, double ours, const char* unit)
{
    std::printf("%-52s %11.3f %-2s %14s %7s\n", figure, ours, unit, "-", "-");
    std::fflush(stdout);
}
