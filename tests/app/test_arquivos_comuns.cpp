// Input files that are not regular files: refused at once, never waited on.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "ArquivoTabela.h"
#include "GeometriaGid.h"
#include "uLibFEM.h"
#include "uLibraryMalhas.h"
#include "uPlataforma.h"

namespace fs = std::filesystem;

TEST(ArquivosComuns, UmaFifoComoArquivoDeEntradaERecusadaSemEspera) {
    const fs::path d = fs::temp_directory_path() / ("darv_fifo_" + std::to_string(getpid()));
    fs::remove_all(d);
    fs::create_directories(d);
    const fs::path fifo = d / "entrada.res";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string f = fifo.string();
    struct Caso {
        const char *leitor;
        std::function<void()> le;
    };
    const Caso casos[] = {
        {"passo",
         [&] {
             TVetor v;
             LeArquivoPasso(f, 3, v);
         }},
        {"domínio", [&] { TMalha::CreateDeArquivo(f); }},
        {"malha", [&] { TMalha().LeMalha(f); }},
        {"malha completa",
         [&] {
             TConfiguracaoMalha c;
             TMalha().LeMalhaCompleta(f, c);
         }},
        {"tabela", [&] { LeArquivoTabela(f); }},
        {"GiD", [&] { LeGeometriaGidArquivo(f); }},
    };
    for (const Caso &c : casos) {
        // A reader that waits in open() for a writer is let go after a while, and noted.
        std::mutex m;
        std::condition_variable cv;
        bool pronto = false;
        std::atomic<bool> esperou{false};
        std::thread vigia([&] {
            std::unique_lock<std::mutex> l(m);
            while (!cv.wait_for(l, std::chrono::seconds(2), [&] { return pronto; })) {
                const int w = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
                if (w >= 0) {
                    esperou = true;
                    ::close(w);
                }
            }
        });
        EXPECT_THROW(c.le(), EInOutError) << c.leitor;
        {
            std::lock_guard<std::mutex> l(m);
            pronto = true;
        }
        cv.notify_all();
        vigia.join();
        EXPECT_FALSE(esperou) << c.leitor << ": waited for a writer";
    }
    fs::remove_all(d);
}
