// A test's own default folder: named after the test, made empty at the start and removed at the
// end, with a fresh engine-facing state on both ends.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "uEstadoInterface.h"
#include "uPlataforma.h"

struct PastaResultados {
    std::filesystem::path pasta;
    PastaResultados() {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        pasta = std::filesystem::temp_directory_path() /
                ("darv_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(pasta);
        std::filesystem::create_directories(pasta);
        DefinePastaPadrao(pasta);
        ReiniciaEstado();
    }
    ~PastaResultados() {
        ReiniciaEstado();
        DefinePastaPadrao({});
        std::filesystem::remove_all(pasta);
    }
    PastaResultados(const PastaResultados &) = delete;
    PastaResultados &operator=(const PastaResultados &) = delete;
    std::string Passo(int i) const {
        return (pasta / ("Passo" + std::to_string(i) + ".res")).string();
    }
};

// A fixture whose every test runs in a folder of its own.
class TesteComPasta : public ::testing::Test {
protected:
    PastaResultados resultados_;
    const std::filesystem::path pasta_ = resultados_.pasta;
};
