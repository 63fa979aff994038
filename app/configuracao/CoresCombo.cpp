#include "CoresCombo.h"

#include "CanvasQt.h"

#include <QPixmap>

namespace {

struct TCorNomeada {
    const char *nome;
    TColor cor;
};

constexpr TCorNomeada kCores[] = {
    {"Preto", clBlack},        {"Marrom", clMaroon},     {"Verde", clGreen},
    {"Oliva", clOlive},        {"Azul Marinho", clNavy}, {"Roxo", clPurple},
    {"Azul Petróleo", clTeal}, {"Cinza", clGray},        {"Prata", clSilver},
    {"Vermelho", clRed},       {"Lima", clLime},         {"Amarelo", clYellow},
    {"Azul", clBlue},          {"Fúcsia", clFuchsia},    {"Água", clAqua},
    {"Branco", clWhite},
};

} // namespace

TComboCor::TComboCor(TColor inicial, QWidget *pai) : QComboBox(pai) {
    for (const auto &c : kCores) {
        QPixmap amostra(16, 12);
        amostra.fill(CorQt(c.cor));
        addItem(QIcon(amostra), QString::fromUtf8(c.nome), QVariant::fromValue(uint(c.cor)));
    }
    SetColorValue(inicial);
}

TColor TComboCor::ColorValue() const {
    return TColor(currentData().toUInt());
}

void TComboCor::SetColorValue(TColor c) {
    const int i = findData(QVariant::fromValue(uint(c)));
    if (i >= 0)
        setCurrentIndex(i);
}
