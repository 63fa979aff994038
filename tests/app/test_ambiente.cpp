// Every window test starts with the point decimal separator, whatever an earlier test left.
#include "uPlataforma.h"

#include <gtest/gtest.h>

namespace {

class TSeparadorPonto : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo &) override { SetDecimalSeparator('.'); }
};

const bool registrado = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new TSeparadorPonto);
    return true;
}();

} // namespace
