// The receivers: each takes the value a dialog hands over, makes its own copy in the engine's
// units and installs it where the mode says (the analyses' domains and the current subdomain
// in single mode, the current layer or stage in layered mode).
#include "Modelo.h"

#include "uEstadoInterface.h"

namespace {

template <class T, class F> std::unique_ptr<T> Copia(const T &origem, F converte) {
    auto c = T::CreateCopia(origem);
    converte(*c);
    return c;
}

} // namespace

void TModelo::AplicaMaterial(const TMaterial &material) {
    if (!FAnalise)
        return;
    auto copia = [&] {
        return Copia(material, [this](TMaterial &m) { ConverteMaterial(m, FFatores); });
    };
    if (FModo == 1) {
        if (TDominio *z = CamadaAtual())
            z->SetMaterial(copia());
        return;
    }
    FAnalise->GetDominio()->SetMaterial(copia());
    MaterialDefinido = true;
    if (TDominio *s = SubDominioAtual())
        s->SetMaterial(copia());
    // The stress run takes the material of elements in no subdomain from its own domain.
    FAnaliseTensional->GetDominio().SetMaterial(copia());
}

void TModelo::AplicaForcaInterna(const TForcaInterna &fonte) {
    if (!FAnalise)
        return;
    auto copia = [&] {
        return Copia(fonte, [this](TForcaInterna &f) { ConverteForcaInterna(f, FFatores); });
    };
    if (FModo == 1) {
        if (TDominio *z = CamadaAtual())
            z->SetFonte(copia());
        return;
    }
    FAnalise->GetDominio()->SetFonte(copia());
    if (TDominio *s = SubDominioAtual())
        s->SetFonte(copia());
}

void TModelo::AplicaForcaExterna(const TForcaExterna &forca) {
    if (!FAnalise)
        return;
    auto c = TForcaExterna::CreateCopia(forca);
    c->SetArestas(FArestasSelecionadas);
    ConverteForcaExterna(*c, FFatores);
    if (FModo == 0) {
        FAnalise->GetDominio()->AdicionaForcaExterna(*c);
        return;
    }
    if ((FDefineReta || FRetanguloArestasEtapas) && FCamadas) {
        FCamadas->AdicionaForcaExternaEtapas(*c, FRetanguloArestasEtapas, FInicioReta.X,
                                             FInicioReta.Y, FFimReta.X, FFimReta.Y);
    } else if (TDominio *e = EtapaAtual()) {
        e->AdicionaForcaExterna(*c);
    }
}

void TModelo::AplicaTempo(const TTempo &tempo) {
    if (!FAnalise)
        return;
    FAnalise->SetTempo(Copia(tempo, [this](TTempo &t) { ConverteTempo(t, FFatores); }));
    TempoDefinido = true;
}

void TModelo::AplicaTempoTensional(const TTempo &tempo) {
    if (!FAnaliseTensional)
        return;
    FAnaliseTensional->SetTempo(Copia(tempo, [this](TTempo &t) { ConverteTempo(t, FFatores); }));
    TempoTensionalDefinido = true;
}

void TModelo::AplicaSolver(const TGradiente &solver, bool gradiente) {
    FSolver = TGradiente::CreateCopia(solver);
    FUsaGradiente = gradiente;
    InstalaSolver();
}

void TModelo::InstalaSolver() {
    auto copia = [&]() -> std::unique_ptr<TGradiente> {
        if (FUsaGradiente)
            return TGradiente::CreateCopia(*FSolver);
        return TGauss::CreateCopia(*FSolver);
    };
    if (FAnalise)
        FAnalise->SetSolver(copia());
    if (FAnaliseTensional)
        FAnaliseTensional->SetSolver(copia());
}

void TModelo::AplicaCondicoesIniciais(double temperatura) {
    if (!FAnalise)
        return;
    const double t = TemperaturaParaCelsius(FFatores, temperatura);
    if (FModo == 1) {
        if (CamadaAtual())
            static_cast<TAnaliseCamadas &>(*FAnalise).SetTemperaturaInicialSubDominio(
                FMaterialAtual, t);
        return;
    }
    if (FNosSelecionados.GetTamanho() > 0) {
        FAnalise->AplicaTemperaturaInicial(FNosSelecionados, t);
        TemperaturaInicial = t;
    }
}

void TModelo::AplicaPrescricoes(double temperatura, double inicio, double fim) {
    if (!FAnalise || FNosSelecionados.GetTamanho() == 0)
        return;
    FAnalise->AdicionaPrescricoes(FNosSelecionados, FEtapaAtual,
                                  TemperaturaParaCelsius(FFatores, temperatura),
                                  TempoParaHoras(FFatores, inicio), TempoParaHoras(FFatores, fim));
}

void TModelo::AplicaGravidade(bool considera) {
    if (!FPesoProprio)
        FPesoProprio = std::make_unique<TForcaTensional>();
    FPesoProprio->SetAtiva(considera ? 1 : 0);
    Estado().FPesoProprio = FPesoProprio.get();
    if (FAnalise && FModo == 0)
        DadosTensionais = true;
}

void TModelo::AplicaArquivosResultado(const TArquivosResultado &a) {
    TConfiguracoes &c = Estado().Configuracoes;
    c.EnderecoTemp = a.EnderecoTemp;
    c.EnderecoDeform = a.EnderecoDeform;
    c.EnderecoTensao = a.EnderecoTensao;
    c.NomeTemp = a.NomeTemp;
    c.NomeDeform = a.NomeDeform;
    c.NomeTensao = a.NomeTensao;
    c.TerminacaoTemp = a.TerminacaoTemp;
    c.TerminacaoDeform = a.TerminacaoDeform;
    c.TerminacaoTensao = a.TerminacaoTensao;
    c.FAplicado = true;
}

void TModelo::AplicaPosicaoTemperaturaDilatacao(int posicao) {
    Estado().PosicaoTemperaturaDilatacao = posicao;
}

void TModelo::AtualizaFluenciaAtiva() {
    bool ativa = false;
    if (FAnaliseTensional) {
        if (FModo == 1) {
            const int n = FCamadas ? FCamadas->GetNumZonas() : 0;
            for (int i = 1; i <= n && !ativa; ++i)
                ativa = FAnaliseTensional->GetFluenciaCamada(i) != nullptr;
        } else {
            ativa = FAnaliseTensional->GetDominio().GetFluencia() != nullptr;
            for (int i = 1; i <= FAnaliseTensional->GetNumSubDominios() && !ativa; ++i)
                ativa = FAnaliseTensional->GetSubDominio(i)->GetFluencia() != nullptr;
        }
    }
    Estado().FluenciaAtiva = ativa;
}

void TModelo::AplicaFluencia(const TFluencia *fluencia) {
    if (!FAnalise)
        return;
    DadosTensionais = true;
    auto copia = [&] {
        return Copia(*fluencia, [this](TFluencia &f) { ConverteFluencia(f, FFatores); });
    };
    if (FModo == 1) {
        if (CamadaAtual())
            FAnaliseTensional->SetFluenciaCamada(FMaterialAtual, fluencia ? copia() : nullptr);
    } else {
        FAnalise->GetDominio()->SetFluencia(std::make_unique<TFluencia>());
        FAnaliseTensional->GetDominio().SetFluencia(fluencia ? copia() : nullptr);
        if (TDominio *s = SubDominioAtual(); s && fluencia)
            s->SetFluencia(copia());
    }
    AtualizaFluenciaAtiva();
}

void TModelo::AplicaRetracao(const TRetracao *retracao) {
    if (FModo != 1 && retracao)
        throw Exception("A retração por secagem só se aplica à análise em camadas.");
    if (FModo != 1 || !FAnaliseTensional || !CamadaAtual())
        return;
    DadosTensionais = true;
    FAnaliseTensional->SetRetracaoCamada(
        FMaterialAtual,
        retracao ? Copia(*retracao, [this](TRetracao &r) { ConverteRetracao(r, FFatores); })
                 : nullptr);
}

void TModelo::AplicaForcaDistribuida(const TForcaTensional &forca) {
    if (!FAnaliseTensional)
        return;
    DadosTensionais = true;
    auto c = TForcaTensional::CreateCopia(forca);
    c->SetArestas(FArestasSelecionadas);
    ConverteForcaTensional(*c, FFatores);
    c->SetAtiva(1);
    if (FModo == 0) {
        FAnaliseTensional->GetDominio().AdicionaForcaTensional(*c);
    } else if ((FDefineReta || FRetanguloArestasEtapas) && FCamadas) {
        FCamadas->AdicionaForcaTensionalEtapas(*c, FRetanguloArestasEtapas, FInicioReta.X,
                                               FInicioReta.Y, FFimReta.X, FFimReta.Y);
    } else if (TDominio *e = EtapaAtual()) {
        e->AdicionaForcaTensional(*c);
    } else {
        return;
    }
    DesenhaForcaDistribuida(*c);
}

void TModelo::AplicaVinculos(bool prescritos, bool restricao1, bool restricao2, double valor1,
                             double valor2) {
    if (!FAnaliseTensional || !FMalha || FNosSelecionados.GetTamanho() == 0)
        return;
    DadosTensionais = true;
    const double v1 = ComprimentoParaMetros(FFatores, valor1);
    const double v2 = ComprimentoParaMetros(FFatores, valor2);
    const bool deslocamentos = prescritos && FModo == 0;
    if (deslocamentos)
        FAnaliseTensional->DefineDeslocamentos(FNosSelecionados, v1, v2);
    else
        FAnaliseTensional->AdicionaApoios(FNosSelecionados, restricao1, FEtapaAtual, restricao2, v1,
                                          v2);
    if (TMalhaPlot *p = Plot())
        for (int i = 1; i <= FNosSelecionados.GetTamanho(); ++i) {
            const int k = FNosSelecionados[i];
            if (k < 1 || k > FMalha->GetNumNos())
                continue;
            const TNo &no = *FMalha->GetNo(k);
            const TPonto pt = p->MundoParaTela(no.X, no.Y);
            if (deslocamentos)
                DesenhaDeslocamento(pt);
            else
                DesenhaApoio(pt, restricao1, restricao2);
        }
    if (FModo == 1)
        FNosSelecionados = TVetorInteiro();
}

void TModelo::AplicaDeformacaoInicial(const std::vector<TDeformacaoInicialCamada> &camadas) {
    if (FModo != 1 || !FMalha || !FAnaliseTensional)
        return;
    DadosTensionais = true;
    auto &a = static_cast<TAnaliseCamadasTensional &>(*FAnaliseTensional);
    const int n = std::min(int(camadas.size()), FNumEtapas);
    for (int i = 1; i <= n; ++i) {
        const TDeformacaoInicialCamada &c = camadas[std::size_t(i - 1)];
        a.SetTemDeformacaoInicial(i, c.Tem);
        if (c.Tem) {
            a.SetDeformacaoInicialX(i, c.X);
            a.SetDeformacaoInicialY(i, c.Y);
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Symbols of supports and loads

void TModelo::DesenhaApoio(const TPonto &p, bool restricao1, bool restricao2) {
    TCanvas &c = *FImagem;
    c.Pen.Color = clBlack;
    c.Pen.Style = TPenStyle::psSolid;
    c.Pen.Width = 1;
    c.Brush.Color = clRed;
    c.Brush.Style = TBrushStyle::bsSolid;
    auto linha = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(p.X + x1, p.Y + y1);
        c.LineTo(p.X + x2, p.Y + y2);
    };
    if (restricao2) {
        c.Polygon({p, {p.X + 6, p.Y + 6}, {p.X - 6, p.Y + 6}});
        linha(8, 6, -8, 6);
        if (restricao1)
            linha(8, 8, -8, 8);
    } else {
        c.Polygon({p, {p.X - 6, p.Y - 6}, {p.X - 6, p.Y + 6}});
        linha(-6, -8, -6, 8);
        if (restricao1)
            linha(-8, -8, -8, 8);
    }
}

void TModelo::DesenhaDeslocamento(const TPonto &p) {
    TCanvas &c = *FImagem;
    c.Pen.Color = clGreen;
    c.Pen.Style = TPenStyle::psSolid;
    c.Pen.Width = 1;
    c.Brush.Color = clAqua;
    c.Brush.Style = TBrushStyle::bsSolid;
    c.Polygon({p, {p.X + 6, p.Y + 6}, {p.X - 6, p.Y + 6}});
}

void TModelo::DesenhaForcaDistribuida(const TForcaTensional &forca) {
    TMalhaPlot *p = Plot();
    if (!p || !FMalha)
        return;
    TCanvas &c = *FImagem;
    const TVetorInteiro &arestas = forca.GetArestas();
    for (int i = 1; i <= arestas.GetTamanho(); ++i) {
        const int a = arestas[i];
        if (a < 1 || a > FMalha->GetNumArestas())
            continue;
        const TAresta &e = *FMalha->GetAresta(a);
        const TPonto p1 = p->MundoParaTela(e.No1->X, e.No1->Y);
        const TPonto p2 = p->MundoParaTela(e.No2->X, e.No2->Y);
        c.Pen.Color = clNavy;
        c.Pen.Width = 6;
        c.Pen.Style = TPenStyle::psSolid;
        c.MoveTo(p2.X, p2.Y);
        c.LineTo(p1.X, p1.Y);
        c.Pen.Width = 1;
        c.Brush.Style = TBrushStyle::bsClear;
        c.Font.Color = clNavy;
        c.TextOut(p1.X, p1.Y, "q1=" + FloatToStr(forca.GetQy1()));
        c.TextOut(p2.X, p2.Y, "q2=" + FloatToStr(forca.GetQy2()));
    }
}
