// A second instance for the instance tests. Prints its default folder on the first line, then
// "pronto" when its work is done, or "ERRO: <message>" and exits with 2.
//   instancia_auxiliar termica <T0> [<result folder> [espera]]
//   instancia_auxiliar etapas <divisions>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

#include "Instancia.h"

int main(int argc, char **argv) {
    try {
        const std::string modo = argc > 1 ? argv[1] : "";
        std::printf("%s\n", PastaPadrao().c_str());
        std::fflush(stdout);
        if (modo == "termica" && argc > 2) {
            if (argc > 3) {
                TConfiguracoes &c = Estado().Configuracoes;
                c.EnderecoTemp = c.EnderecoDeform = c.EnderecoTensao = std::string(argv[3]) + "/";
                c.FAplicado = true;
            }
            TInstanciaTermica i(std::atof(argv[2]));
            i.analise->Executa();
            std::printf("pronto\n");
            std::fflush(stdout);
            if (argc > 4)
                for (;;)
                    ::pause();
        } else if (modo == "etapas" && argc > 2) {
            TInstanciaCamadas i(std::atoi(argv[2]));
            std::printf("pronto\n");
        } else {
            std::printf("ERRO: uso\n");
            return 2;
        }
    } catch (const std::exception &e) {
        std::printf("ERRO: %s\n", e.what());
        return 2;
    }
    return 0;
}
