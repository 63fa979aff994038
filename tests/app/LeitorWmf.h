// A small reader of Windows metafiles for the tests: checks the headers, walks the records and
// the object table, and collects polylines, polygons and texts.
#pragma once

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct TLeituraWmf {
    std::string erro; // empty when the file is sound
    int esquerda = 0, topo = 0, direita = 0, base = 0, polegada = 0;
    int objetosDeclarados = 0, maiorRegistro = 0, registros = 0;
    int criados = 0, selecionados = 0, apagados = 0, dibs = 0, retangulos = 0;
    std::vector<std::vector<std::pair<int, int>>> polilinhas, poligonos;
    std::vector<std::string> textos;
    std::vector<int> escapamentos; // font escapement in force for each text
};

inline TLeituraWmf LeWmf(const std::string &d) {
    TLeituraWmf r;
    auto u16 = [&](std::size_t at) -> unsigned {
        return unsigned((unsigned char)d[at]) | (unsigned((unsigned char)d[at + 1]) << 8);
    };
    auto s16 = [&](std::size_t at) { return int(std::int16_t(u16(at))); };
    auto u32 = [&](std::size_t at) { return u16(at) | (std::uint32_t(u16(at + 2)) << 16); };
    if (d.size() < 22 + 18) {
        r.erro = "short";
        return r;
    }
    if (u32(0) != 0x9AC6CDD7u) {
        r.erro = "key";
        return r;
    }
    unsigned soma = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        soma ^= u16(i);
    if (soma != u16(20)) {
        r.erro = "checksum";
        return r;
    }
    r.esquerda = s16(6);
    r.topo = s16(8);
    r.direita = s16(10);
    r.base = s16(12);
    r.polegada = int(u16(14));
    const std::size_t h = 22;
    if (u16(h) != 1 || u16(h + 2) != 9 || u16(h + 4) != 0x0300) {
        r.erro = "standard header";
        return r;
    }
    if (std::size_t(u32(h + 6)) * 2 != d.size() - h) {
        r.erro = "file size";
        return r;
    }
    r.objetosDeclarados = int(u16(h + 10));
    r.maiorRegistro = int(u32(h + 12));
    std::vector<int> tabela(std::size_t(r.objetosDeclarados), 0); // 0 free, 1 in use
    int fonteAtual = -1;
    std::vector<int> escapamentoDoObjeto(tabela.size(), 0);
    std::size_t p = h + 18;
    int maiorVisto = 0;
    bool fim = false;
    while (p + 6 <= d.size()) {
        const std::uint32_t tam = u32(p);
        const unsigned f = u16(p + 4);
        if (tam < 3 || p + std::size_t(tam) * 2 > d.size()) {
            r.erro = "record size";
            return r;
        }
        maiorVisto = std::max(maiorVisto, int(tam));
        ++r.registros;
        const std::size_t a = p + 6;
        if (f == 0x0000) {
            fim = true;
            p += std::size_t(tam) * 2;
            break;
        }
        if (f == 0x02FA || f == 0x02FB || f == 0x02FC) {
            auto livre = std::find(tabela.begin(), tabela.end(), 0);
            if (livre == tabela.end()) {
                r.erro = "object table full";
                return r;
            }
            *livre = 1;
            if (f == 0x02FB)
                escapamentoDoObjeto[std::size_t(livre - tabela.begin())] = s16(a + 4);
            ++r.criados;
        } else if (f == 0x012D || f == 0x01F0) {
            const unsigned i = u16(a);
            if (i >= tabela.size() || tabela[i] != 1) {
                r.erro = "object " + std::to_string(i) + " not in use";
                return r;
            }
            if (f == 0x012D) {
                ++r.selecionados;
                fonteAtual = int(i);
            } else {
                tabela[i] = 0;
                ++r.apagados;
            }
        } else if (f == 0x0325 || f == 0x0324) {
            const int n = s16(a);
            if (n < 1 || std::size_t(tam) != 4 + 2 * std::size_t(n)) {
                r.erro = "point count";
                return r;
            }
            std::vector<std::pair<int, int>> pts;
            for (int i = 0; i < n; ++i)
                pts.push_back({s16(a + 2 + 4 * std::size_t(i)), s16(a + 4 + 4 * std::size_t(i))});
            (f == 0x0325 ? r.polilinhas : r.poligonos).push_back(std::move(pts));
        } else if (f == 0x0521) {
            const unsigned n = u16(a);
            r.textos.push_back(d.substr(a + 2, n));
            r.escapamentos.push_back(fonteAtual >= 0 ? escapamentoDoObjeto[std::size_t(fonteAtual)]
                                                     : 0);
        } else if (f == 0x0F43) {
            ++r.dibs;
        } else if (f == 0x041B) {
            ++r.retangulos;
        }
        p += std::size_t(tam) * 2;
    }
    if (!fim || p != d.size())
        r.erro = "no end record at the end";
    else if (maiorVisto != r.maiorRegistro)
        r.erro = "largest record";
    else if (std::count(tabela.begin(), tabela.end(), 1) != 0)
        r.erro = "objects left";
    return r;
}

inline std::string LeArquivoBinario(const std::string &caminho) {
    std::ifstream f(caminho, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}
