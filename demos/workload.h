#pragma once
// The workload that the speed demonstrations time: passes of y[i] = a*x[i] + y[i] over two
// single-precision arrays.  Every element of every pass gets one rounded multiplication and one
// rounded addition (never a fused multiply-add, which rounds once), in ascending order, and the
// result is stored back into y.  Vector kernels do exactly that, several elements at a time.

struct Workload {
    int n;       // array length
    int passes;  // passes over the arrays
    float a;     // multiplier
    float x0;    // every x[i] at the start
    float y0;    // every y[i] at the start
};

constexpr Workload SPEED_WORKLOAD{5000, 100000, 1.03986f, 12.092f, 0.1379f};
constexpr Workload SPEED90_WORKLOAD{50000, 10000, 1.039867f, 12.09205f, 0.137941f};

// The floating-point operations of a whole run: one multiplication and one addition per element
// and pass.
constexpr long long operationCount(const Workload& w) {
    return 2LL * w.n * w.passes;
}

using PassRoutine = void (*)(float a, const float* x, float* y, int n);

struct PassKernel {
    const char* name;
    PassRoutine run;
};

constexpr int MAX_PASS_KERNELS = 4;

struct PassKernelList {
    PassKernel kernel[MAX_PASS_KERNELS];
    int count;
};

// The plain element-by-element loop, which every processor runs.
PassKernel portablePassKernel();
// Every kernel this processor can run, widest vectors first, the portable loop last.
PassKernelList availablePassKernels();
// The widest kernel this processor can run, chosen when the program runs, so that one binary
// serves old and new processors alike.
PassKernel fastestPassKernel();

void setUpArrays(const Workload& w, float* x, float* y);

// Tells the compiler that someone may read the array, so that the stores into y, which the
// program never reads back, are neither dropped nor merged across passes.  It emits no
// instruction and leaves the arithmetic alone.
inline void keepStored(const float* y) {
    __asm__ __volatile__("" : : "r"(y) : "memory");
}

// Runs every pass of the workload with the kernel; afterPass(pass) follows each pass (1-based).
template <class AfterPass>
void runPasses(const Workload& w, PassKernel kernel, const float* x, float* y,
               AfterPass afterPass) {
    for (int pass = 1; pass <= w.passes; ++pass) {
        kernel.run(w.a, x, y, w.n);
        keepStored(y);
        afterPass(pass);
    }
}
