// Each test process works in a temporary folder of its own (TMPDIR/<pid>), so tests that ctest
// runs side by side never share step files, stage files or the default folder. Removed at exit.
#pragma once

#include <filesystem>
#include <string>

#include <cstdlib>
#include <unistd.h>

class TPastaTemporariaDoProcesso {
public:
    TPastaTemporariaDoProcesso() {
        std::error_code ec;
        const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
        if (ec)
            return;
        std::string nome = std::to_string(::getpid());
        nome.insert(nome.begin(), 'p');
        FPasta = base / nome;
        std::filesystem::remove_all(FPasta, ec);
        if (std::filesystem::create_directories(FPasta, ec))
            ::setenv("TMPDIR", FPasta.c_str(), 1);
        else
            FPasta.clear();
    }
    ~TPastaTemporariaDoProcesso() {
        std::error_code ec;
        if (!FPasta.empty())
            std::filesystem::remove_all(FPasta, ec);
    }

private:
    std::filesystem::path FPasta;
};
