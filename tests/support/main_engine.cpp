// main of the suites without windows: a temporary folder per process, then GoogleTest.
#include "PastaTemporaria.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    TPastaTemporariaDoProcesso pasta;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
