// Gravity dialog: switches self-weight on or off. Its own load is the switch the stress pass
// obeys (the engine-facing state points at it); the fired load is always active.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QPushButton;
class TForcaTensional;

class TfrmGravidade : public QDialog {
    Q_OBJECT
public:
    using TEvento = std::function<void(const TForcaTensional &)>;

    explicit TfrmGravidade(QWidget *pai = nullptr);
    ~TfrmGravidade() override;

    void SetOnConfirmar(TEvento e) { OnConfirmar = std::move(e); }
    // The answers: a new own-weight load, fired active; "Não" then switches it off.
    void Sim();
    void Nao();
    // The own-weight load, or none before the first answer.
    const TForcaTensional *GetPesoProprio() const { return FPesoProprio.get(); }

    QPushButton *btnSim, *btnNao;

private:
    void Responde(bool considera);
    std::unique_ptr<TForcaTensional> CriaPesoProprio();

    TEvento OnConfirmar;
    std::unique_ptr<TForcaTensional> FPesoProprio;
};

extern TfrmGravidade *frmGravidade;
