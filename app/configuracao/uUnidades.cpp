#include "uUnidades.h"

#include "ConversaoUnidades.h"
#include "Guarda.h"
#include "KitCalcEdit.h"
#include "NumeroUsuario.h"
#include "UnidadesEscolhidas.h"
#include "uLibUnidades.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include <typeinfo>

TfrmUnidades *frmUnidades = nullptr;

namespace {

enum TTipoLista { tlComprimento, tlTemperatura, tlMassa, tlEnergia, tlTempo, tlForca };

QStringList Itens(int tipo) {
    switch (tipo) {
    case tlComprimento:
        return {"CENTÍMETRO", "DECÂMETRO", "DECÍMETRO", "HECTÔMETRO", "KILÔMETRO",
                "METRO",      "MILÍMETRO", "PÉ",        "POLEGADA"};
    case tlTemperatura:
        return {"CELSIUS", "FAHRENHEIT", "KELVIN", "RANKINE"};
    case tlMassa:
        return {"GRAMA", "KILOGRAMA", "MILIGRAMA", "TONELADA", "POUND", "ONCE"};
    case tlEnergia:
        return {"CALORIA", "JOULE", "KILOJOULE", "KILOCALORIA", "BTU", "ERG", "WATT*HORA"};
    case tlTempo:
        return {"SEGUNDO", "MILISEGUNDO", "MINUTO", "HORA", "DIA", "MÊS", "SEMANA", "ANO"};
    default:
        return {"GigaNewton", "MegaNewton", "KiloNewton", "Newton", "Kilograma força"};
    }
}

// The unit's class at a list position.
bool MesmaClasse(const TUnidade *a, const TUnidade &b) {
    return a && typeid(*a) == typeid(b);
}

// Position of the list item whose unit has the class of `u`; -1 when none has.
int Posicao(int tipo, const TUnidade &u) {
    const int n = static_cast<int>(Itens(tipo).size());
    for (int i = 0; i < n; ++i) {
        bool igual = false;
        switch (tipo) {
        case tlComprimento:
            igual = MesmaClasse(TfrmUnidades::CriaUnidadeComprimento(i).get(), u);
            break;
        case tlTemperatura:
            igual = MesmaClasse(TfrmUnidades::CriaUnidadeTemperatura(i).get(), u);
            break;
        case tlMassa:
            igual = MesmaClasse(TfrmUnidades::CriaUnidadeMassa(i).get(), u);
            break;
        case tlEnergia:
            igual = MesmaClasse(TfrmUnidades::CriaUnidadeEnergia(i).get(), u);
            break;
        case tlTempo:
            igual = MesmaClasse(TfrmUnidades::CriaUnidadeTempo(i).get(), u);
            break;
        default:
            igual = MesmaClasse(TfrmUnidades::CriaUnidadeForca(i).get(), u);
            break;
        }
        if (igual)
            return i;
    }
    return -1;
}

void Seleciona(QComboBox *c, int tipo, const TUnidade &u) {
    QSignalBlocker b(c);
    c->setCurrentIndex(Posicao(tipo, u));
}

// The list's unit, or the handler's default when the list has no selection.
template <class Padrao, class T> std::unique_ptr<T> Ou(std::unique_ptr<T> u) {
    if (u)
        return u;
    return std::make_unique<Padrao>();
}

QString Q(const std::string &s) {
    return QString::fromStdString(s);
}

} // namespace

TfrmUnidades::TfrmUnidades(QWidget *pai) : TDialogoDados(QStringLiteral("Unidades"), pai) {
    FUnidades = std::make_unique<TUnidades>();
    LigaUnidades(FUnidades.get());
    FSI = std::make_unique<TUnidadesSI>();

    auto *raiz = new QVBoxLayout(this);
    pclUnidades = new QTabWidget(this);
    pclUnidades->setObjectName(QStringLiteral("pclUnidades"));
    pclUnidades->setMinimumWidth(520);
    raiz->addWidget(pclUnidades);
    auto pagina = [this](const QString &titulo) {
        auto *w = new QWidget;
        new QFormLayout(w);
        pclUnidades->addTab(w, titulo);
        return w;
    };
    QWidget *p = pagina(QStringLiteral("Comprimento"));
    cbxComprimento = Lista(p, "cbxComprimento", QString(), tlComprimento, pgComprimento);
    p = pagina(QStringLiteral("Temperatura"));
    cbxTemperatura = Lista(p, "cbxTemperatura", QString(), tlTemperatura, pgTemperatura);
    p = pagina(QStringLiteral("Densidade"));
    cbxMassa = Lista(p, "cbxMassa", QStringLiteral("Massa"), tlMassa, pgDensidade);
    cbxComprimento3 =
        Lista(p, "cbxComprimento3", QStringLiteral("[Comprimento] ³"), tlComprimento, pgDensidade);
    p = pagina(QStringLiteral("Energia"));
    cbxEnergia = Lista(p, "cbxEnergia", QString(), tlEnergia, pgEnergia);
    p = pagina(QStringLiteral("Tempo"));
    cbxTempo = Lista(p, "cbxTempo", QString(), tlTempo, pgTempo);
    p = pagina(QStringLiteral("Calor Específico"));
    cbxEnergiaCE =
        Lista(p, "cbxEnergiaCE", QStringLiteral("Energia"), tlEnergia, pgCalorEspecifico);
    cbxMassaCE = Lista(p, "cbxMassaCE", QStringLiteral("Massa"), tlMassa, pgCalorEspecifico);
    cbxTemperaturaCE = Lista(p, "cbxTemperaturaCE", QStringLiteral("Temperatura"), tlTemperatura,
                             pgCalorEspecifico);
    p = pagina(QStringLiteral("Condutividade"));
    cbxEnergiaK = Lista(p, "cbxEnergiaK", QStringLiteral("Energia"), tlEnergia, pgCondutividade);
    cbxTempoK = Lista(p, "cbxTempoK", QStringLiteral("Tempo"), tlTempo, pgCondutividade);
    cbxComprimentoK =
        Lista(p, "cbxComprimentoK", QStringLiteral("Comprimento"), tlComprimento, pgCondutividade);
    cbxTemperaturaK =
        Lista(p, "cbxTemperaturaK", QStringLiteral("Temperatura"), tlTemperatura, pgCondutividade);
    p = pagina(QStringLiteral("Convecção"));
    cbxEnergiaConv = Lista(p, "cbxEnergiaConv", QStringLiteral("Energia"), tlEnergia, pgConveccao);
    cbxTempoConv = Lista(p, "cbxTempoConv", QStringLiteral("Tempo"), tlTempo, pgConveccao);
    cbxComprimentoConv = Lista(p, "cbxComprimentoConv", QStringLiteral("[Comprimento] ²"),
                               tlComprimento, pgConveccao);
    cbxTemperaturaConv =
        Lista(p, "cbxTemperaturaConv", QStringLiteral("Temperatura"), tlTemperatura, pgConveccao);
    p = pagina(QStringLiteral("Força"));
    cbxForca = Lista(p, "cbxForca", QString(), tlForca, pgForca);
    p = pagina(QStringLiteral("Tensão"));
    cbxCompTensao =
        Lista(p, "cbxCompTensao", QStringLiteral("[Comprimento] ²"), tlComprimento, pgTensao);
    cbxForcaTensao = Lista(p, "cbxForcaTensao", QStringLiteral("[Força]"), tlForca, pgTensao);
    p = pagina(QStringLiteral("Módulo de Elast."));
    cbxForcaModulo = Lista(p, "cbxForcaModulo", QStringLiteral("[Força]"), tlForca, pgModulo);
    cbxCompModulo =
        Lista(p, "cbxCompModulo", QStringLiteral("[Comprimento] ²"), tlComprimento, pgModulo);
    p = pagina(QStringLiteral("Dilatação Termica"));
    cbxTemperCoefDilatacao = Lista(p, "cbxTemperCoefDilatacao", QStringLiteral("1/ [Temperatura]"),
                                   tlTemperatura, pgDilatacao);
    p = pagina(QStringLiteral("Gravidade"));
    cbxCompGravidade =
        Lista(p, "cbxCompGravidade", QStringLiteral("[Comprimento]"), tlComprimento, pgGravidade);
    cbxTempoGravidade =
        Lista(p, "cbxTempoGravidade", QStringLiteral("[Tempo] ²"), tlTempo, pgGravidade);

    auto *linha = new QHBoxLayout;
    linha->addWidget(new QLabel(QStringLiteral("1"), this));
    lbSimbolo = CriaRotulo(this, "lbSimbolo");
    linha->addWidget(lbSimbolo);
    linha->addWidget(new QLabel(QStringLiteral("="), this));
    edValorSI = CriaEdit(this, "edValorSI", QString());
    edValorSI->setReadOnly(true);
    linha->addWidget(edValorSI);
    lbSISimbolo = CriaRotulo(this, "lbSISimbolo");
    linha->addWidget(lbSISimbolo);
    linha->addStretch();
    raiz->addLayout(linha);
    raiz->addWidget(new QLabel(QStringLiteral("Sistema Internacional - SI"), this));
    auto *calc = new QGroupBox(QStringLiteral("Calculadora"), this);
    auto *lc = new QVBoxLayout(calc);
    // A calculator for the user; nothing reads it.
    kitCalculadora = new TKitCalcEdit(calc);
    kitCalculadora->setObjectName(QStringLiteral("kitCalculadora"));
    kitCalculadora->setFixedSize(87, 21);
    kitCalculadora->SetNumGlyphs(2);
    lc->addWidget(kitCalculadora, 0, Qt::AlignLeft);
    raiz->addWidget(calc);
    CriaBotoes(raiz, QStringLiteral("OK"), QStringLiteral("Cancel"));

    SelecionaCombos();
    FEdicao = Monta();
    MostraLinha(pgComprimento);
}

TfrmUnidades::~TfrmUnidades() {
    if (&UnidadesEscolhidas() == FUnidades.get())
        LigaUnidades(nullptr);
    if (frmUnidades == this)
        frmUnidades = nullptr;
}

QComboBox *TfrmUnidades::Lista(QWidget *pagina, const char *nome, const QString &rotulo, int tipo,
                               TPagina p) {
    auto *c = new QComboBox(pagina);
    c->setObjectName(QString::fromLatin1(nome));
    c->addItems(Itens(tipo));
    static_cast<QFormLayout *>(pagina->layout())->addRow(rotulo, c);
    connect(c, &QComboBox::currentIndexChanged, this, [this, p] { Protege([&] { Muda(p); }); });
    return c;
}

std::unique_ptr<TCompMetro> TfrmUnidades::CriaUnidadeComprimento(int i) {
    switch (i) {
    case 0:
        return std::make_unique<TCompCentimetro>();
    case 1:
        return std::make_unique<TCompDecametro>();
    case 2:
        return std::make_unique<TCompDecimetro>();
    case 3:
        return std::make_unique<TCompHectometro>();
    case 4:
        return std::make_unique<TCompKilometro>();
    case 5:
        return std::make_unique<TCompMetro>();
    case 6:
        return std::make_unique<TCompMilimetro>();
    case 7:
        return std::make_unique<TCompPe>();
    case 8:
        return std::make_unique<TCompPolegada>();
    default:
        return nullptr;
    }
}

std::unique_ptr<TTempCelsius> TfrmUnidades::CriaUnidadeTemperatura(int i) {
    return ::CriaUnidadeTemperatura(i);
}

std::unique_ptr<TMassaGrama> TfrmUnidades::CriaUnidadeMassa(int i) {
    switch (i) {
    case 0:
        return std::make_unique<TMassaGrama>();
    case 1:
        return std::make_unique<TMassaKilograma>();
    case 2:
        return std::make_unique<TMassaMiligrama>();
    case 3:
        return std::make_unique<TMassaTonelada>();
    case 4:
        return std::make_unique<TMassaPound>();
    case 5:
        return std::make_unique<TMassaOunce>();
    default:
        return nullptr;
    }
}

std::unique_ptr<TEnergiaCaloria> TfrmUnidades::CriaUnidadeEnergia(int i) {
    switch (i) {
    case 0:
        return std::make_unique<TEnergiaCaloria>();
    case 1:
        return std::make_unique<TEnergiaJoule>();
    case 2:
        return std::make_unique<TEnergiaKiloJoule>();
    case 3:
        return std::make_unique<TEnergiaKilocal>();
    case 4:
        return std::make_unique<TEnergiaBTU>();
    case 5:
        return std::make_unique<TEnergiaErg>();
    case 6:
        return std::make_unique<TPotencia>();
    default:
        return nullptr;
    }
}

std::unique_ptr<TTempoSegundo> TfrmUnidades::CriaUnidadeTempo(int i) {
    switch (i) {
    case 0:
        return std::make_unique<TTempoSegundo>();
    case 1:
        return std::make_unique<TTempoMilisegundo>();
    case 2:
        return std::make_unique<TTempoMinuto>();
    case 3:
        return std::make_unique<TTempoHora>();
    case 4:
        return std::make_unique<TTempoDia>();
    case 5:
        return std::make_unique<TTempoMes>();
    case 6:
        return std::make_unique<TTempoSemana>();
    case 7:
        return std::make_unique<TTempoAno>();
    default:
        return nullptr;
    }
}

std::unique_ptr<TForcaNewton> TfrmUnidades::CriaUnidadeForca(int i) {
    switch (i) {
    case 0:
        return std::make_unique<TForcaGigaNewton>();
    case 1:
        return std::make_unique<TForcaMegaNewton>();
    case 2:
        return std::make_unique<TForcaKiloNewton>();
    case 3:
        return std::make_unique<TForcaNewton>();
    case 4:
        return std::make_unique<TForcaKilogramaforca>();
    default:
        return nullptr;
    }
}

void TfrmUnidades::SelecionaCombos() {
    const TUnidades &u = *FUnidades;
    Seleciona(cbxComprimento, tlComprimento, u.GetComprimento());
    Seleciona(cbxTemperatura, tlTemperatura, u.GetTemperatura());
    Seleciona(cbxMassa, tlMassa, u.GetDensidade().GetMassa());
    Seleciona(cbxComprimento3, tlComprimento, u.GetDensidade().GetComprimento());
    Seleciona(cbxEnergia, tlEnergia, u.GetEnergia());
    Seleciona(cbxTempo, tlTempo, u.GetTempo());
    const TCalorEspecifico &ce = u.GetCalorEspecifico();
    Seleciona(cbxEnergiaCE, tlEnergia, ce.GetEnergia());
    Seleciona(cbxMassaCE, tlMassa, ce.GetMassa());
    Seleciona(cbxTemperaturaCE, tlTemperatura, ce.GetTemperatura());
    const TCondutividade &k = u.GetCondutividade();
    Seleciona(cbxEnergiaK, tlEnergia, k.GetPotencia());
    Seleciona(cbxTempoK, tlTempo, k.GetTempo());
    Seleciona(cbxComprimentoK, tlComprimento, k.GetComprimento());
    Seleciona(cbxTemperaturaK, tlTemperatura, k.GetTemperatura());
    const TConveccao &h = u.GetConveccao();
    Seleciona(cbxEnergiaConv, tlEnergia, h.GetPotencia());
    Seleciona(cbxTempoConv, tlTempo, h.GetTempo());
    Seleciona(cbxComprimentoConv, tlComprimento, h.GetComprimento());
    Seleciona(cbxTemperaturaConv, tlTemperatura, h.GetTemperatura());
    Seleciona(cbxForca, tlForca, u.GetForca());
    Seleciona(cbxCompTensao, tlComprimento, u.GetTensao().GetComprimento());
    Seleciona(cbxForcaTensao, tlForca, u.GetTensao().GetForca());
    Seleciona(cbxForcaModulo, tlForca, u.GetModulo().GetForca());
    Seleciona(cbxCompModulo, tlComprimento, u.GetModulo().GetComprimento());
    Seleciona(cbxTemperCoefDilatacao, tlTemperatura, u.GetDilatacao().GetTemperatura());
    Seleciona(cbxCompGravidade, tlComprimento, u.GetGravidade().GetComprimento());
    Seleciona(cbxTempoGravidade, tlTempo, u.GetGravidade().GetTempo());
}

std::unique_ptr<TUnidades> TfrmUnidades::Monta() const {
    auto u = std::make_unique<TUnidades>();
    auto comp = [](QComboBox *c) {
        return Ou<TCompMetro>(CriaUnidadeComprimento(c->currentIndex()));
    };
    auto temp = [](QComboBox *c) { return CriaUnidadeTemperatura(c->currentIndex()); };
    auto massa = [](QComboBox *c) { return Ou<TMassaGrama>(CriaUnidadeMassa(c->currentIndex())); };
    auto energia = [](QComboBox *c) {
        return Ou<TEnergiaCaloria>(CriaUnidadeEnergia(c->currentIndex()));
    };
    auto tempo = [](QComboBox *c) {
        return Ou<TTempoSegundo>(CriaUnidadeTempo(c->currentIndex()));
    };
    auto forca = [](QComboBox *c) { return Ou<TForcaNewton>(CriaUnidadeForca(c->currentIndex())); };

    u->SetComprimento(comp(cbxComprimento));
    u->SetTemperatura(temp(cbxTemperatura));
    u->SetEnergia(energia(cbxEnergia));
    u->SetTempo(tempo(cbxTempo));
    u->SetForca(forca(cbxForca));
    u->GetDensidade().SetMassa(massa(cbxMassa));
    u->GetDensidade().SetComprimento(comp(cbxComprimento3));
    TCalorEspecifico &ce = u->GetCalorEspecifico();
    ce.SetEnergia(energia(cbxEnergiaCE));
    ce.SetMassa(massa(cbxMassaCE));
    ce.SetTemperatura(temp(cbxTemperaturaCE));
    TCondutividade &k = u->GetCondutividade();
    k.SetPotencia(energia(cbxEnergiaK));
    k.SetTempo(tempo(cbxTempoK));
    k.SetComprimento(comp(cbxComprimentoK));
    k.SetTemperatura(temp(cbxTemperaturaK));
    TConveccao &h = u->GetConveccao();
    h.SetPotencia(energia(cbxEnergiaConv));
    h.SetTempo(tempo(cbxTempoConv));
    h.SetComprimento(comp(cbxComprimentoConv));
    h.SetTemperatura(temp(cbxTemperaturaConv));
    u->GetTensao().SetComprimento(comp(cbxCompTensao));
    u->GetTensao().SetForca(forca(cbxForcaTensao));
    u->GetModulo().SetForca(forca(cbxForcaModulo));
    u->GetModulo().SetComprimento(comp(cbxCompModulo));
    u->GetDilatacao().SetTemperatura(temp(cbxTemperCoefDilatacao));
    u->GetGravidade().SetComprimento(comp(cbxCompGravidade));
    u->GetGravidade().SetTempo(tempo(cbxTempoGravidade));
    return u;
}

void TfrmUnidades::Muda(TPagina p) {
    FEdicao = Monta();
    MostraLinha(p);
}

void TfrmUnidades::MostraLinha(TPagina p) {
    FUltimaPagina = p;
    const TFatoresUnidades f = CalculaFatores(*FEdicao, *FSI);
    const TUnidades &e = *FEdicao;
    const TUnidadesSI &r = *FSI;
    const TUnidade *escolhida = nullptr, *referencia = nullptr;
    double fator = 1.0;
    switch (p) {
    case pgComprimento:
        escolhida = &e.GetComprimento(), referencia = &r.GetComprimento(), fator = f.Comprimento;
        break;
    case pgTemperatura:
        escolhida = &e.GetTemperatura(), referencia = &r.GetTemperatura(), fator = f.Temperatura;
        break;
    case pgDensidade:
        escolhida = &e.GetDensidade(), referencia = &r.GetDensidade(), fator = f.Densidade;
        break;
    case pgEnergia:
        escolhida = &e.GetEnergia(), referencia = &r.GetEnergia(), fator = f.Energia;
        break;
    case pgTempo:
        escolhida = &e.GetTempo(), referencia = &r.GetTempo(), fator = f.Tempo;
        break;
    case pgCalorEspecifico:
        escolhida = &e.GetCalorEspecifico(), referencia = &r.GetCalorEspecifico(),
        fator = f.CalorEspecifico;
        break;
    case pgCondutividade:
        escolhida = &e.GetCondutividade(), referencia = &r.GetCondutividade(),
        fator = f.Condutividade;
        break;
    case pgConveccao:
        escolhida = &e.GetConveccao(), referencia = &r.GetConveccao(), fator = f.Conveccao;
        break;
    case pgForca:
        escolhida = &e.GetForca(), referencia = &r.GetForca(), fator = f.Forca;
        break;
    case pgTensao:
        escolhida = &e.GetTensao(), referencia = &r.GetTensao(), fator = f.Tensao;
        break;
    case pgModulo:
        escolhida = &e.GetModulo(), referencia = &r.GetModulo(), fator = f.Modulo;
        break;
    case pgDilatacao:
        escolhida = &e.GetDilatacao(), referencia = &r.GetDilatacao(), fator = f.Dilatacao;
        break;
    case pgGravidade:
        escolhida = &e.GetGravidade(), referencia = &r.GetGravidade(), fator = f.Gravidade;
        break;
    }
    FUltimoSimbolo = Q(escolhida->GetSimbolo());
    FUltimoSISimbolo = Q(referencia->GetSimbolo());
    FUltimoFator = fator;
    lbSimbolo->setText(FUltimoSimbolo);
    lbSISimbolo->setText(FUltimoSISimbolo);
    edValorSI->setText(TextoReal(fator));
}

void TfrmUnidades::AoMostrar() {
    SelecionaCombos();
    FEdicao = Monta();
}

bool TfrmUnidades::Confirma() {
    auto escolhidas = Monta();
    if (&UnidadesEscolhidas() == FUnidades.get())
        LigaUnidades(escolhidas.get());
    FUnidades = std::move(escolhidas);
    if (FOnDilatacao)
        FOnDilatacao(cbxTemperCoefDilatacao->currentIndex());
    DisparaMudanca();
    return true;
}

void TfrmUnidades::AposRestaurar() {
    FEdicao = Monta();
    MostraLinha(FUltimaPagina);
}

void TfrmUnidades::DisparaMudanca() {
    if (FOnMudanca)
        FOnMudanca(*FUnidades, *FSI);
}
