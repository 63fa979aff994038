#include "CursorAnimado.h"

#include "ArquivoIcone.h"
#include "ErrosFormato.h"

#include <algorithm>
#include <cstdlib>

namespace {

std::uint32_t U32(std::string_view d, std::size_t p) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | std::uint8_t(d[p + std::size_t(i)]);
    return v;
}

// One chunk inside a container: identifier, data (cut to what the container holds) and the
// position after it with its pad byte.
struct TPedaco {
    std::string_view Id, Dados;
    std::size_t Proximo = 0;
    bool Inteiro = true; // false when the container ends inside it
};

bool LePedaco(std::string_view c, std::size_t p, TPedaco &r) {
    if (c.size() < 8 || p > c.size() - 8)
        return false;
    r.Id = c.substr(p, 4);
    const std::uint64_t tamanho = U32(c, p + 4);
    const std::size_t inicio = p + 8;
    r.Inteiro = tamanho <= c.size() - inicio;
    r.Dados = c.substr(inicio, r.Inteiro ? std::size_t(tamanho) : c.size() - inicio);
    r.Proximo = r.Inteiro ? inicio + std::size_t(tamanho) + (tamanho & 1) : c.size();
    return true;
}

std::string Texto255(std::string_view d) {
    std::string s(d.substr(0, std::min<std::size_t>(d.size(), 255)));
    const auto z = s.find('\0');
    if (z != std::string::npos)
        s.resize(z);
    return s;
}

// Memory one frame's icon takes: its bytes and its largest image decoded at 32 bits.
std::int64_t CustoIcone(const TArquivoIcone &arq, std::size_t bytes) {
    std::int64_t maior = 0;
    for (const auto &im : arq.Imagens)
        maior =
            std::max(maior, std::abs(std::int64_t(im.Largura)) * std::abs(std::int64_t(im.Altura)));
    // Past the bound it needs no exact figure (and 4 x a product of two 32-bit sizes overflows).
    return std::int64_t(bytes) +
           std::min(4 * std::min(maior, kMaiorCursorAnimado), kMaiorCursorAnimado + 1);
}

} // namespace

TCursorAnimado LeCursorAnimado(std::string_view d) {
    if (d.size() < 12 || d.substr(0, 4) != "RIFF" || d.substr(8, 4) != "ACON")
        throw EReadError();
    TCursorAnimado a;
    // The form's chunks lie inside the RIFF chunk, bounded by the data that is there.
    const std::uint64_t tamanhoRiff = U32(d, 4);
    const std::string_view forma =
        d.substr(12, std::size_t(std::min<std::uint64_t>(tamanhoRiff >= 4 ? tamanhoRiff - 4 : 0,
                                                         d.size() - 12)));
    std::size_t contaTaxa = 0, contaSeq = 0;
    std::int64_t total = 0;
    int contaIcone = 0;
    TPedaco c;
    for (std::size_t p = 0; LePedaco(forma, p, c); p = c.Proximo) {
        if (c.Id == "anih") {
            if (c.Dados.size() < 36)
                throw EReadError();
            TCabecalhoAni &h = a.Cabecalho;
            std::uint32_t *campos[9] = {&h.Tamanho, &h.Frames, &h.Passos, &h.Largura, &h.Altura,
                                        &h.Bits,    &h.Planos, &h.Taxa,   &h.Flags};
            for (int i = 0; i < 9; ++i)
                *campos[i] = U32(c.Dados, std::size_t(4 * i));
            if (!(h.Flags & 1) || h.Passos == 0)
                throw EReadError();
            // Each frame needs an icon sub-chunk of at least 8 bytes in what follows; the frames
            // of earlier headers count too, so repeated headers cannot multiply the list.
            const std::uint64_t cabem = (forma.size() - c.Proximo) / 8;
            if (a.Quadros.size() > cabem || h.Frames > cabem - a.Quadros.size())
                throw EReadError();
            for (std::uint32_t i = 0; i < h.Frames; ++i) {
                TQuadroAni q;
                q.IndiceIcone = int(a.Quadros.size());
                q.Taxa = h.Taxa;
                a.Quadros.push_back(std::move(q));
            }
        } else if (c.Id == "rate") {
            if (c.Dados.size() >= 4 && contaTaxa < a.Quadros.size())
                a.Quadros[contaTaxa].Taxa = U32(c.Dados, 0);
            ++contaTaxa;
        } else if (c.Id == "seq ") {
            if (c.Dados.size() >= 4 && contaSeq < a.Quadros.size())
                a.Quadros[contaSeq].IndiceIcone = int(std::int32_t(U32(c.Dados, 0)));
            ++contaSeq;
        } else if (c.Id == "LIST" && c.Dados.size() >= 4) {
            const std::string_view tipo = c.Dados.substr(0, 4);
            const std::string_view lista = c.Dados.substr(4);
            TPedaco s;
            if (tipo == "fram") {
                for (std::size_t q = 0; LePedaco(lista, q, s); q = s.Proximo) {
                    if (s.Id != "icon")
                        continue;
                    if (!s.Inteiro)
                        break;
                    const TArquivoIcone arq = LeArquivoIcone(s.Dados);
                    for (const auto &im : arq.Imagens)
                        a.Cores = std::max(a.Cores, CoresDaProfundidade(im.Bits));
                    const std::vector<std::uint8_t> icone = ComoIcone(s.Dados);
                    const std::int64_t custo = CustoIcone(arq, icone.size());
                    // Frames may all show one icon: bound what they take together.
                    const auto conta = [&] {
                        total += custo;
                        if (total > kMaiorCursorAnimado)
                            throw EReadError();
                    };
                    bool usado = false;
                    for (auto &f : a.Quadros)
                        if (f.IndiceIcone == contaIcone) {
                            conta();
                            f.Icone = icone;
                            f.Largura = arq.Imagens[0].Largura;
                            f.Altura = arq.Imagens[0].Altura;
                            f.Bits = arq.Imagens[0].Bits;
                            usado = true;
                        }
                    if (!usado) {
                        conta();
                        TQuadroAni f;
                        f.Icone = icone;
                        f.Largura = arq.Imagens[0].Largura;
                        f.Altura = arq.Imagens[0].Altura;
                        f.Bits = arq.Imagens[0].Bits;
                        f.IndiceIcone = -1;
                        f.Taxa = a.Cabecalho.Taxa;
                        a.Quadros.push_back(std::move(f));
                    }
                    ++contaIcone;
                }
            } else if (tipo == "INFO") {
                for (std::size_t q = 0; LePedaco(lista, q, s); q = s.Proximo) {
                    if (s.Id == "INAM")
                        a.Titulo = Texto255(s.Dados);
                    else if (s.Id == "IART")
                        a.Autor = Texto255(s.Dados);
                }
            }
        }
        if (!c.Inteiro)
            break;
    }
    a.Quadros.erase(std::remove_if(a.Quadros.begin(), a.Quadros.end(),
                                   [](const TQuadroAni &q) { return q.Icone.empty(); }),
                    a.Quadros.end());
    if (a.Quadros.empty())
        throw EReadError();
    a.Cabecalho.Passos = std::uint32_t(a.Quadros.size());
    return a;
}
