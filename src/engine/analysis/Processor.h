#pragma once

// Which of the processor's own instructions the counting and the list scans may use. Everything has a
// plain C++ path beside it that gives the same lists on any processor; a build with QV_PORTABLE_ONLY
// (cmake -DQV_PORTABLE_ONLY=ON) uses only that.

// x86-64 with a compiler that can ask the processor at run time: the bit-counting and bit-extracting
// instructions (popcnt, bmi2) and the 256-bit scans (avx2), each where the processor has them.
#if !defined(QV_PORTABLE_ONLY) && defined(__x86_64__) && defined(__has_builtin)
#if __has_builtin(__builtin_cpu_supports)
#define QV_X86_RUNTIME_CHOICE 1
#endif
#endif

// SSE2 for the list scans: part of every x86-64 processor, so no run-time choice.
#if !defined(QV_PORTABLE_ONLY) && defined(__SSE2__)
#define QV_SSE2 1
#endif
