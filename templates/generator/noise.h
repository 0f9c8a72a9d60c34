#pragma once

// Deterministic noise: every build draws the same pictures.

// A value in [0, 1) that depends only on its arguments.
double Hash01(int x, int y, int seed);

// Smooth value noise in [0, 1) on a lattice of `cell` pixels that repeats every `period` pixels in
// both directions (period a multiple of cell), so textures made with it tile without seams.
double TileNoise(double x, double y, int period, int cell, int seed);
