// Time axis of an analysis: initial and final time, step size, theta of the time-integration
// scheme, number of steps, step law (uniform or logarithmic) and current time.
#pragma once

#include <memory>

class TTempo {
public:
    // n := round((tf - ti) / dt); current time := ti; uniform steps. A step that is not
    // positive raises EZeroDivide (dt = 0) or EInvalidOp.
    TTempo(double ti, double tf, double dt, double theta);
    // Copies ti, tf, dt, theta and the step law; n recomputed; current time := ti.
    TTempo(const TTempo &t);
    TTempo &operator=(const TTempo &t);
    static std::unique_ptr<TTempo> CreateCopia(const TTempo &t);
    // The axis an analysis uses when none is given: 0 to 1 in steps of 0.1, theta 2/3.
    static TTempo Padrao() { return TTempo(0.0, 1.0, 0.1, 2.0 / 3.0); }

    // Multiplies the times by f (theta and n unchanged).
    void ConverteUnidades(double f);

    double GetDt() const { return dt_; }
    // Length of the step ending at the current time: dt on a uniform axis, the step's own
    // length on a logarithmic one (the first step's at the initial time).
    double GetDtPasso() const { return dtPasso_; }
    double GetTempoInicial() const { return ti_; }
    double GetTempoFinal() const { return tf_; }
    double GetTempoAtual() const { return atual_; }
    void SetTempoAtual(double t) {
        atual_ = t;
        AtualizaDtPasso();
    }
    double GetTheta() const { return theta_; }
    int GetNumPassos() const { return n_; }
    bool GetPassoUniforme() const { return uniforme_; }
    void SetPassoUniforme(bool b) {
        uniforme_ = b;
        AtualizaDtPasso();
    }

    // Offset from ti of the end of step i (1..n); step n ends at tf under both laws.
    double TempoDoPasso(int i) const;
    // Step whose end is nearest to the time t measured from ti, by the axis' law; between 1
    // and n.
    int PassoDoTempo(double t) const;
    // Step ending at the current time (0 at ti).
    int PassoAtual() const;

    // At time t, the instant is already past: earlier than t by more than rounding (a
    // billionth of the step), so an instant on a step end is not yet past at that end.
    bool Passou(double t, double instante) const { return instante < t - 1e-9 * dt_; }
    // The step being computed is the birth step of something born at `nascimento`: the step
    // [current time - GetDtPasso(), current time) holds it, its ends compared as in Passou. A
    // birth plus that length equal to the current time is always this step.
    bool NasceNoPassoAtual(double nascimento) const;

private:
    static int NumeroDePassos(double ti, double tf, double dt);
    void AtualizaDtPasso();

    double atual_ = 0.0;
    double ti_ = 0.0, tf_ = 0.0;
    double dt_ = 0.0;
    double dtPasso_ = 0.0;
    double theta_ = 0.0;
    int n_ = 0;
    bool uniforme_ = true;
};
