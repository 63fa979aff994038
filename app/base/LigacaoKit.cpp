#include "LigacaoKit.h"

#include "ClipIcon.h"
#include "KitBase.h"
#include "KitConst.h"
#include "KitGIF.h"
#include "KitNumeros.h"
#include "KitSistema.h"
#include "Perguntador.h"
#include "uPlataforma.h"

#include <QDialog>
#include <QLocale>

void LigaKit() {
    DefineConversoesReais(&FormatG, &TryStrToFloat, &DecimalSeparator);
    KitAplicaLocale(QLocale());
    DefineKitModal([](QDialog &d) { return Perguntador().ExecutaModal(d); });
    DefineKitInforma([](const QString &t) { Perguntador().Informa(t); });
    DefineKitErro([](const QString &t) { Perguntador().Erro(t); });
    KitRegisterCursors();
    RegistraKitGIF();
    RegistraClipIcon();
}
