#include "uMateriais.h"

#include "Guarda.h"
#include "NumeroUsuario.h"
#include "Perguntador.h"
#include "UnidadesEscolhidas.h"
#include "uFuncaoDiscreta.h"
#include "uMaturidade.h"
#include "uPlataforma.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

TfrmMateriais *frmMateriais = nullptr;

namespace {

QFrame *Painel(QWidget *pai, const char *nome) {
    auto *f = new QFrame(pai);
    f->setObjectName(QString::fromLatin1(nome));
    f->setFrameShape(QFrame::StyledPanel);
    f->setAutoFillBackground(true);
    return f;
}

void Colore(QFrame *f, bool aceso) {
    QPalette p = f->palette();
    p.setColor(QPalette::Window,
               aceso ? QColor(0, 255, 0) : QApplication::palette().color(QPalette::Button));
    f->setPalette(p);
}

} // namespace

TfrmMateriais::TfrmMateriais(QWidget *pai)
    : TDialogoEvento(QStringLiteral("Propriedades - Materiais"), pai) {
    auto *raiz = new QVBoxLayout(this);
    auto *paginas = new QTabWidget(this);
    paginas->setObjectName(QStringLiteral("pclMateriais"));
    raiz->addWidget(paginas);

    // Thermal page.
    auto *termicas = new QWidget;
    auto *lt = new QVBoxLayout(termicas);
    gbxCondutividade = new QGroupBox(QStringLiteral("Condutividade Térmica"), termicas);
    auto *gk = new QGridLayout(gbxCondutividade);
    edKx = LinhaCampo(gk, 0, gbxCondutividade, QStringLiteral("Direção X"), "edKx",
                      TextoPadrao("2,0"), stxKx, "stxKx");
    edKy = LinhaCampo(gk, 1, gbxCondutividade, QStringLiteral("Direção Y"), "edKy",
                      TextoPadrao("2,0"), stxKy, "stxKy");
    edKy->setToolTip(QStringLiteral("Condutividade Térmica na direção Vertical"));
    chkCondutividade =
        CriaMarca(gbxCondutividade, "chkCondutividade", QStringLiteral("Variável..."));
    gk->addWidget(chkCondutividade, 2, 0, 1, 3);
    lt->addWidget(gbxCondutividade);
    auto *gt = new QGridLayout;
    edDensidade = LinhaCampo(gt, 0, termicas, QStringLiteral("Densidade"), "edDensidade",
                             QStringLiteral("2400"), stxDensidade, "stxDensidade");
    edCalorEspecifico = LinhaCampo(gt, 1, termicas, QStringLiteral("Calor Específico"),
                                   "edCalorEspecifico", QStringLiteral("1000"), stxCE, "stxCE");
    chkCeVariavel = CriaMarca(termicas, "chkCeVariavel", QStringLiteral("Variável"));
    gt->addWidget(chkCeVariavel, 1, 3);
    lt->addLayout(gt);
    lt->addStretch();
    paginas->addTab(termicas, QStringLiteral("Térmicas"));

    // Mechanical page.
    auto *mecanicas = new QWidget;
    auto *lm = new QVBoxLayout(mecanicas);
    auto *gbE = new QGroupBox(QStringLiteral("Módulo de Elasticidade"), mecanicas);
    auto *ge = new QGridLayout(gbE);
    RadioButton2 = CriaRadio(gbE, "RadioButton2", QStringLiteral("Função do Tempo"));
    RadioButton2->setChecked(true);
    pnlLeiTempo = Painel(gbE, "pnlLeiTempo");
    auto *glt = new QGridLayout(pnlLeiTempo);
    glt->addWidget(new QLabel(QStringLiteral("E(t)= t / ( a + b.t )"), pnlLeiTempo), 0, 0, 1, 3);
    edEa = LinhaCampo(glt, 1, pnlLeiTempo, QStringLiteral("a"), "edEa", TextoPadrao("0,08609"),
                      stxEa, "stxEa");
    edEb = LinhaCampo(glt, 2, pnlLeiTempo, QStringLiteral("b"), "edEb", TextoPadrao("0,04225"),
                      stxEb, "stxEb");
    ge->addWidget(RadioButton2, 0, 0);
    ge->addWidget(pnlLeiTempo, 1, 0, 1, 2);
    rbEConstante = CriaRadio(gbE, "rbEConstante", QStringLiteral("Constante"));
    pnlConstante = Painel(gbE, "pnlConstante");
    auto *gc = new QGridLayout(pnlConstante);
    edE = LinhaCampo(gc, 0, pnlConstante, QStringLiteral("E"), "edE", QStringLiteral("20"), stxE,
                     "stxE");
    ge->addWidget(rbEConstante, 2, 0);
    ge->addWidget(pnlConstante, 3, 0, 1, 2);
    rbMaturidade = CriaRadio(gbE, "rbMaturidade", QStringLiteral("Função da Resistência"));
    pnlModelos = Painel(gbE, "pnlModelos");
    auto *gm = new QVBoxLayout(pnlModelos);
    rbJCI = CriaRadio(pnlModelos, "rbJCI", QStringLiteral("Japan Concrete Institute"));
    rbJCI->setChecked(true);
    rbByfors = CriaRadio(pnlModelos, "rbByfors", QStringLiteral("Byfors"));
    rbACI = CriaRadio(pnlModelos, "rbACI", QStringLiteral("ACI 363R-92"));
    gm->addWidget(rbJCI);
    gm->addWidget(rbByfors);
    gm->addWidget(rbACI);
    ge->addWidget(rbMaturidade, 4, 0);
    ge->addWidget(pnlModelos, 5, 0, 1, 2);
    lm->addWidget(gbE);
    auto *gp = new QGridLayout;
    edAlfa = LinhaCampo(gp, 0, mecanicas, QStringLiteral("Coef. de Dilatação Térmica"), "edAlfa",
                        TextoPadrao("12,5"), stxAlfa, "stxAlfa");
    edPoisson = LinhaCampo(gp, 1, mecanicas, QStringLiteral("Coeficiente de Poisson "), "edPoisson",
                           TextoPadrao("0,20"), stxPoisson, "stxPoisson");
    edGravidade = LinhaCampo(gp, 2, mecanicas, QStringLiteral("Aceleração da Gravidade"),
                             "edGravidade", TextoPadrao("9,819"), stxGravidade, "stxGravidade");
    edFcj28 = LinhaCampo(gp, 3, mecanicas, QStringLiteral("fcj aos 28 dias"), "edFcj28",
                         QStringLiteral("20"), stxfcj28, "stxfcj28");
    lm->addLayout(gp);
    paginas->addTab(mecanicas, QStringLiteral("Mecânicas"));

    // Strength page.
    auto *resistencia = new QWidget;
    auto *lr = new QVBoxLayout(resistencia);
    auto *gbFt = new QGroupBox(QStringLiteral("Resistência à Tração na Flexão"), resistencia);
    auto *gf = new QGridLayout(gbFt);
    rbftIdade =
        CriaRadio(gbFt, "rbftIdade", QStringLiteral("Função da Idade do Concreto - KETVAR"));
    rbftIdade->setChecked(true);
    gf->addWidget(rbftIdade, 0, 0, 1, 3);
    gf->addWidget(new QLabel(QStringLiteral("ft(t)= t / ( a + b.t )"), gbFt), 1, 0, 1, 3);
    edFTA =
        LinhaCampo(gf, 2, gbFt, QStringLiteral("a"), "edFTA", TextoPadrao("1,408"), stFTa, "stFTa");
    edFTb = LinhaCampo(gf, 3, gbFt, QStringLiteral("b"), "edFTb", TextoPadrao("0,1931"), stFTb,
                       "stFTb");
    rbftConstante = CriaRadio(gbFt, "rbftConstante",
                              QStringLiteral("Independente da Idade do Concreto (Constante)"));
    gf->addWidget(rbftConstante, 4, 0, 1, 3);
    edConstante = LinhaCampo(gf, 5, gbFt, QStringLiteral("ft"), "edConstante", TextoPadrao("5,00"),
                             stFTConstante, "stFTConstante");
    lr->addWidget(gbFt);
    lr->addStretch();
    paginas->addTab(resistencia, QStringLiteral("Resistência"));

    auto *tipo = new QGroupBox(QStringLiteral("Tipo de Análise Tensional"), this);
    auto *ltipo = new QHBoxLayout(tipo);
    rbEPD = CriaRadio(tipo, "rbEPD", QStringLiteral("Estado Plano de Deformação"));
    rbEPD->setChecked(true);
    RadioButton5 = CriaRadio(tipo, "RadioButton5", QStringLiteral("Estado Plano de Tensão"));
    ltipo->addWidget(rbEPD);
    ltipo->addWidget(RadioButton5);
    raiz->addWidget(tipo);
    CriaBotoes(raiz);

    for (QRadioButton *r : {RadioButton2, rbEConstante, rbMaturidade})
        connect(r, &QRadioButton::clicked, this, [this] { ColoreLeiE(); });
    const std::pair<QRadioButton *, std::uint8_t> modelos[] = {{rbJCI, TMaterial::kModeloJCI},
                                                               {rbByfors, TMaterial::kModeloByfors},
                                                               {rbACI, TMaterial::kModeloACI}};
    for (auto [r, m] : modelos)
        connect(r, &QRadioButton::clicked, this, [this, m] {
            if (FMaterial)
                FMaterial->SetModeloE(m);
        });
    connect(chkCondutividade, &QCheckBox::clicked, this,
            [this] { Protege([this] { chkCondutividadeClick(); }); });
    connect(chkCeVariavel, &QCheckBox::clicked, this,
            [this] { Protege([this] { chkCeVariavelClick(); }); });
    ColoreLeiE();
}

TfrmMateriais::~TfrmMateriais() = default;

void TfrmMateriais::ColoreLeiE() {
    Colore(pnlLeiTempo, RadioButton2->isChecked());
    Colore(pnlConstante, rbEConstante->isChecked());
    Colore(pnlModelos, rbMaturidade->isChecked());
}

void TfrmMateriais::AtualizaCondutividade() {
    const bool constante = !chkCondutividade->isChecked();
    for (QWidget *w : gbxCondutividade->findChildren<QWidget *>())
        if (!qobject_cast<QCheckBox *>(w))
            w->setEnabled(constante);
}

void TfrmMateriais::AoMostrar() {
    rbJCI->setChecked(true);
    RadioButton2->setChecked(true);
    ColoreLeiE();
    const struct {
        QLabel *rotulo;
        const char *prefixo;
        TGrandeza grandeza;
    } unidades[] = {
        {stxKx, "", TGrandeza::Condutividade},
        {stxKy, "", TGrandeza::Condutividade},
        {stxDensidade, "", TGrandeza::Densidade},
        {stxCE, "", TGrandeza::CalorEspecifico},
        {stxE, "", TGrandeza::Modulo},
        {stxEa, "[dia]/", TGrandeza::Modulo},
        {stxEb, "1/", TGrandeza::Modulo},
        {stxAlfa, "", TGrandeza::Dilatacao},
        {stxPoisson, "", TGrandeza::Poisson},
        {stxGravidade, "", TGrandeza::Gravidade},
        {stFTConstante, "", TGrandeza::Tensao},
        {stxfcj28, "", TGrandeza::Tensao},
        {stFTa, "[dia]/", TGrandeza::Tensao},
        {stFTb, "1/", TGrandeza::Tensao},
    };
    for (const auto &u : unidades)
        u.rotulo->setText(QString::fromUtf8(u.prefixo) + SimboloUnidade(u.grandeza));

    FMaterial = std::make_unique<TMaterial>(2.0, 2.0, 2400, 1000, 20, 0.08609, 0.04225, false,
                                            12.5e-6, 0.2, 9.819, TMaterial::kModeloJCI, false, 20,
                                            false, 1.408, 0.1931, true, 0.0, true);
    // A new material has no tabulated property: the boxes clear without re-reading the fields.
    {
        QSignalBlocker a(chkCondutividade), b(chkCeVariavel);
        chkCondutividade->setChecked(false);
        chkCeVariavel->setChecked(false);
    }
    FMaterial->SetEConstante(rbEConstante->isChecked());
    AtualizaCondutividade();
    FMaterial->SetModeloE(TMaterial::kModeloJCI);
    FMaterial->SetEDaResistencia(false);
    FMaterial->SetResistenciaFuncaoIdade(true);
    rbftIdade->setChecked(true);
}

void TfrmMateriais::hideEvent(QHideEvent *e) {
    TDialogoDados::hideEvent(e);
    FMaterial.reset();
}

void TfrmMateriais::AposRestaurar() {
    ColoreLeiE();
    AtualizaCondutividade();
}

std::unique_ptr<TFuncaoDiscreta> TfrmMateriais::PedeTabela() {
    if (frmFuncaoDiscreta && Perguntador().ExecutaModal(*frmFuncaoDiscreta) == QDialog::Accepted &&
        frmFuncaoDiscreta->GetNumPares() >= 2)
        return TFuncaoDiscreta::CreateCopia(frmFuncaoDiscreta->GetFuncao());
    return nullptr;
}

void TfrmMateriais::chkCondutividadeClick() {
    AtualizaCondutividade();
    if (!FMaterial)
        return;
    if (chkCondutividade->isChecked()) {
        if (auto t = PedeTabela()) {
            FMaterial->SetFuncaoCondutividade(std::move(t));
        } else {
            // Not taken: the box clears again and the edits come back.
            chkCondutividade->setChecked(false);
            AtualizaCondutividade();
        }
    } else {
        FMaterial->SetFuncaoCondutividade(nullptr);
        LeCampos();
    }
}

void TfrmMateriais::chkCeVariavelClick() {
    if (!FMaterial)
        return;
    if (chkCeVariavel->isChecked()) {
        if (auto t = PedeTabela())
            FMaterial->SetFuncaoCalorEspecifico(std::move(t));
        else
            chkCeVariavel->setChecked(false);
    } else {
        FMaterial->SetFuncaoCalorEspecifico(nullptr);
        LeCampos();
    }
}

void TfrmMateriais::LeCampos() {
    TMaterial &m = *FMaterial;
    m.SetKx(LeCampo(edKx));
    m.SetKy(LeCampo(edKy));
    m.SetDensidade(LeCampo(edDensidade));
    m.SetCalorEspecifico(LeCampo(edCalorEspecifico));
    m.SetE(LeCampo(edE));
    m.SetEa(LeCampo(edEa));
    m.SetEb(LeCampo(edEb));
    m.SetAlfa(LeCampo(edAlfa) * 1e-6);
    m.SetPoisson(LeCampo(edPoisson));
    m.SetGravidade(LeCampo(edGravidade));
    m.SetFcj28(LeCampo(edFcj28));
    m.SetEPD(rbEPD->isChecked());
    m.SetMaturidade(false);
    if (Perguntador().Confirma(QStringLiteral("Deseja Considerar a Maturidade do Concreto?"))) {
        if (frmMaturidade) {
            QPointer<TfrmMateriais> dono(this);
            frmMaturidade->SetOnConfirmar([dono](double fcj28) {
                if (dono)
                    dono->SetFcj28Maturidade(fcj28);
            });
            frmMaturidade->SetOnRestaurar([dono] {
                if (dono)
                    dono->show();
            });
            frmMaturidade->show();
        }
        m.SetMaturidade(true);
        m.SetFcj28(LeCampo(edFcj28));
    }
    m.SetEConstante(rbEConstante->isChecked());
    m.SetEConstanteValor(LeCampo(edE));
    m.SetEDaResistencia(rbMaturidade->isChecked());
    if (rbftConstante->isChecked()) {
        // t / (0 + t / ft) is the constant ft.
        EscreveCampo(edFTb, Divide(1.0, LeCampo(edConstante)));
        edFTA->setText(QStringLiteral("0"));
    }
    m.SetFTa(LeCampo(edFTA));
    m.SetFTb(LeCampo(edFTb));
}

bool TfrmMateriais::Confirma() {
    if (!FMaterial)
        return false;
    LeCampos();
    Entrega(*FMaterial);
    return true;
}
