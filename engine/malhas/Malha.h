// Domain (vertices and straight edges) and the triangle mesh generated in it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "malhas/Aresta.h"
#include "malhas/Contorno.h"
#include "malhas/Elemento.h"
#include "malhas/No.h"
#include "matematica/Vetor.h"

struct TConfiguracaoMalha;

class TMalha {
public:
    using TEventoProgresso = std::function<void(TMalha *)>;
    using TEventoDivisoes = std::function<void(TMalha *, int)>;
    // Nodes of two neighbouring grid lines beyond which the exhaustive triangulation is not
    // tried; the generation then fails as a whole with EFaixaExtensa.
    static constexpr int kMaxNosFaixa = 160;
    struct EFaixaExtensa {};

    // Empty domain and mesh with nx x ny divisions per interval.
    TMalha(int nx = 2, int ny = 2);
    virtual ~TMalha();
    TMalha(const TMalha &) = delete;
    TMalha &operator=(const TMalha &) = delete;

    // Copies the vertices, the edges with their interior flag, and the limits; no mesh.
    static std::unique_ptr<TMalha> CreateCopia(const TMalha &origem);
    // A vertex per point, then the closed chain of edges given by the points' numbers.
    static std::unique_ptr<TMalha> CreatePoligono(std::span<const TNo> pontos);
    // Stores the name and, when the file exists, reads the domain from it.
    static std::unique_ptr<TMalha> CreateDeArquivo(const std::string &nome);

    std::string NomeArquivo;
    double Escala = 1.0;
    int Nx, Ny;
    bool ConsideraInternas = false;
    TEventoProgresso OnProgresso;
    TEventoDivisoes OnDivisoes;

    // Domain building.
    void AdicionaVertice(double x, double y);
    void AdicionaVerticeNo(const TNo &no) { AdicionaVertice(no.X, no.Y); }
    // Edge from vertex a to vertex b (1-based) with its empty side list. Throws
    // std::out_of_range for a vertex number outside 1..count.
    void AdicionaAresta(int a, int b, bool interna);
    void AdicionaArestaNos(int a, int b) { AdicionaAresta(a, b, false); }
    // Finds or adds a vertex at each point, then adds the edge.
    void AdicionaArestaPontos(const TNo &p1, const TNo &p2);
    void SetVertice(int i, const TNo &no);
    // Vertex i takes the position of no; edge i joins vertices a and b.
    void SetAresta(int i, int a, int b);
    void LimpaVertices();

    // Mesh building.
    TNo *NovoNo();
    TNo *AdicionaNo(double x, double y);
    // Triangle on mesh nodes a, b, c (1-based), made counter-clockwise; its sides on domain
    // edges are recorded in their side lists.
    void AdicionaElemento(int a, int b, int c);
    void AdicionaLado(TNo *na, TNo *nb, TAresta *aresta, TElemento *elemento);
    void LimpaMalha();

    // Accessors (1-based).
    int GetNumVertices() const { return int(vertices_.size()); }
    int GetNumArestas() const { return int(arestas_.size()); }
    int GetNumNos() const { return int(nos_.size()); }
    int GetNumElementos() const { return int(elementos_.size()); }
    TNo *GetVertice(int i) const { return vertices_[std::size_t(i - 1)].get(); }
    TAresta *GetAresta(int i) const { return arestas_[std::size_t(i - 1)].get(); }
    TNo *GetNo(int i) const { return nos_[std::size_t(i - 1)].get(); }
    TElemento *GetElemento(int i) const { return elementos_[std::size_t(i - 1)].get(); }
    TContorno *GetContorno(int i) const { return contornos_[std::size_t(i - 1)].get(); }
    const TVetor *GetDivisoesX() const { return divisoesX_.get(); }
    const TVetor *GetDivisoesY() const { return divisoesY_.get(); }
    double GetXMax() const { return XMax_; }
    double GetYMax() const { return YMax_; }
    double GetXMin() const { return XMin_; }
    double GetYMin() const { return YMin_; }
    double GetXCentro() const { return XCentro_; }
    double GetYCentro() const { return YCentro_; }
    void SetConsideraInternas(bool b) { ConsideraInternas = b; }
    void SetOnProgresso(TEventoProgresso e) { OnProgresso = std::move(e); }
    void SetOnDivisoes(TEventoDivisoes e) { OnDivisoes = std::move(e); }

    // Centre and extremes of the vertex coordinates.
    void CalculaLimites();

    // Position tests under the engine's equality.
    bool ExisteNo(double x, double y) const;
    bool ExisteVertice(double x, double y) const;
    bool ProcuraVertice(int &n, double x, double y) const;
    bool ExisteAresta(const TNo &p1, const TNo &p2) const;
    bool ProcuraAresta(const TNo &p1, const TNo &p2, int &n) const;
    // Some vertical edge at abscissa x spans y.
    bool PontoNaAresta(double x, double y) const;

    // Selection by the rectangle of two opposite corners.
    TVetorInteiro NosNoRetangulo(double x1, double y1, double x2, double y2) const;
    int NoNoRetangulo(double x1, double y1, double x2, double y2) const;
    int VerticeNoRetangulo(double x1, double y1, double x2, double y2) const;
    // Edges with both ends inside, interior edges left out.
    TVetorInteiro ArestasNoRetangulo(double x1, double y1, double x2, double y2) const;
    // Edges (interior ones left out) crossed by the segment.
    TVetorInteiro ArestasCruzadas(double x1, double y1, double x2, double y2) const;
    // First element whose three nodes enclose the point; 0 when none.
    int ElementoNoPonto(double x, double y) const;
    double DistanciaCentros(int i, int j) const;
    double DistanciaAoContorno(int i) const;

    // Domain and mesh files. Readers throw EInOutError naming the file and the line; what they
    // added before the error stays.
    // Reads the domain file NomeArquivo (vertices and edges) into this domain.
    virtual void LeGeometria();
    // Writes nodes, elements, vertices, edges and the mesh settings given.
    void SalvaMalha(const std::string &nome, const TConfiguracaoMalha &c) const;
    // Replaces domain and mesh by those of a mesh file and loads its settings into c (through
    // SetNx and SetNy, then OnAlteracao once more).
    void LeMalhaCompleta(const std::string &nome, TConfiguracaoMalha &c);
    // Replaces the mesh (nodes and elements only) by that of a mesh file.
    void LeMalha(const std::string &nome);

    // Mesh generation: fills the domain with linear triangles by a vertical sweep, with the
    // mesh's Nx and Ny and the grading settings given. Settings that cannot give a mesh are
    // reported through the message sink and leave the mesh empty.
    void GeraMalha(const TConfiguracaoMalha &c);
    void GeraTriangulos(const TConfiguracaoMalha &c);
    double GetDivisaoX(int i) const { return (*divisoesX_)[i]; }
    // Division lengths of [a, b] into n parts, written into slots inicio..inicio+n-1.
    static void DivisoesUniformes(TVetor &v, int n, int inicio, double a, double b);
    static void DivisoesExponenciais(TVetor &v, int n, int inicio, double a, double b);

    // Ray-parity tests: true when the point is outside the domain. PontoFora skips interior
    // edges unless ConsideraInternas; PontoFora2 skips the ignored edges instead.
    bool PontoFora(double x, double y) const;
    bool PontoFora2(double x, double y) const;

protected:
    // Circle through three nodes, with its centre relative to the origin node (ox, oy), and a
    // bound of the rounding error of that centre.
    struct TCirculo {
        double ox, oy, cx, cy, r, erroCentro;
        TPontoReal centro; // centroid of the triangle, from which nodes are seen
    };

    // Triangles between the nodes primeiro..ultimo of the previous grid line and the nodes
    // after them; elements from primeiroElemento on belong to the current strip.
    virtual void Delaunay(int primeiro, int ultimo, int primeiroElemento);
    // The exhaustive search over every node triple; used when the fast one does not apply.
    void DelaunaySimples(int primeiro, int ultimo, int primeiroElemento);
    // The same result from a few candidate triples per pair of neighbouring nodes; false,
    // with nothing added, when the window is not two clean grid lines or its pieces between
    // domain edges cannot be told apart.
    bool DelaunayRapido(int primeiro, int ultimo, int primeiroElemento);

    void GeraDivisoesX(const TConfiguracaoMalha &c);
    void GeraDivisoesY(const TConfiguracaoMalha &c);
    void EscalaDivisoesX(double f);
    // Multiplies vertex coordinates and limits by f.
    void AplicaEscala(double f);
    TVetor IntersecoesVerticais(double x) const;
    void DiscretizaLinha(const TConfiguracaoMalha &c, const TVetor &alturas, double x,
                         int primeiroDaLinha);
    // Twice the signed area of the mesh triangle i, j, k.
    double AreaTriangulo(int i, int j, int k) const;
    // Circle through nodes i, j, k (area a from AreaTriangulo, not zero).
    TCirculo Circunferencia(int i, int j, int k, double a) const;
    // Node m strictly inside the circle and not cut off from the triangle by a domain edge:
    // nodes on the circle, within 1e-10 or within the rounding error of the test, do not
    // count.
    bool NoDentro(const TCirculo &c, int m) const;
    // No node from primeiro on, other than i, j, k, inside the circle.
    bool CirculoVazio(int i, int j, int k, int primeiro, const TCirculo &c) const;
    // Some element from primeiroElemento on conflicts with the triangle i, j, k.
    bool Concorre(int i, int j, int k, int primeiroElemento) const;
    // Element e has all three nodes, or shares two and lies on the triangle's side of them.
    bool ConflitaCom(const TElemento &e, int i, int j, int k) const;
    TPontoReal CentroTriangulo(int i, int j, int k) const;
    // The triangle's centroid is inside the domain and none of its sides crosses a domain edge.
    bool DentroDoDominio(int i, int j, int k) const;
    // The segment crosses an edge that bounds the domain (those PontoFora counts) at a point
    // inside both, beyond the rounding of the node positions.
    bool AtravessaContorno(const TPontoReal &a, const TPontoReal &b) const;
    // Distance within which a node counts as on a domain edge.
    double ToleranciaContorno() const;
    void DisparaOnProgresso();
    void DisparaOnDivisoes(int n);

    // Swaps b and c when the triangle a, b, c runs clockwise.
    void OrientaTriangulo(int &a, int &b, int &c) const;
    // Records the sides of element e that lie on domain edges.
    void VerificaElemento(TElemento *e);

    std::vector<std::unique_ptr<TNo>> vertices_;
    std::vector<std::unique_ptr<TAresta>> arestas_;
    std::vector<std::unique_ptr<TNo>> nos_;
    std::vector<std::unique_ptr<TElemento>> elementos_;
    std::unique_ptr<TVetor> divisoesX_, divisoesY_;
    std::vector<std::unique_ptr<TContorno>> contornos_;
    double XMax_ = 0.0, YMax_ = 0.0, XMin_ = 0.0, YMin_ = 0.0, XCentro_ = 0.0, YCentro_ = 0.0;

private:
    template <class Pula> bool TestaRaio(double x, double y, Pula pula) const;
};

// PontoFora of a mesh whose domain does not change while this lives, answered from an index
// of its edges by height: the first (horizontal) ray of the test only crosses the edges that
// span the point's height. Points where that ray is abandoned go to the mesh's own test.
class TLocalizadorContorno {
public:
    explicit TLocalizadorContorno(const TMalha &m);
    bool PontoFora(double x, double y) const;

private:
    const TMalha &malha_;
    bool valido_ = false;
    double l_ = 0.0, y0_ = 0.0, fy_ = 0.0;
    int nb_ = 1;
    std::vector<double> alturas_; // every endpoint's height, sorted
    std::vector<int> inicio_;     // edges of bucket b: lista_[inicio_[b]..inicio_[b+1])
    std::vector<const TAresta *> lista_;
    int Balde(double y) const;
};
