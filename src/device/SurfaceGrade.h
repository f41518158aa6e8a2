#pragma once

// The quality grade 0 … 10 of a raw surface-analysis result 0 … 255.
int SurfaceGrade(int raw);
