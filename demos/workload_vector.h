#pragma once
// Vector kernels of the workload pass, one per vector width.  Each is compiled for its own
// instruction set only, so the program as a whole stays runnable on any x86-64 processor; the
// caller must check that the processor has the instructions before calling one.
#if defined(__x86_64__)
void passAvx512(float a, const float* x, float* y, int n);
void passAvx(float a, const float* x, float* y, int n);
void passSse2(float a, const float* x, float* y, int n);
#endif
