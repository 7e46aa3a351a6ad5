#pragma once

// A property that does not hold is a finding: say which, with the values, and stop so that
// libFuzzer keeps the input.

#include <QDebug>

#include <cstdlib>

#define FUZZ_CHECK(condition, ...)                                                                 \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            qCritical().noquote() << "property failed:" << #condition;                             \
            qCritical() << __VA_ARGS__;                                                            \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
