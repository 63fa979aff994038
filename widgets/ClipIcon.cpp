#include "ClipIcon.h"

void RegistraClipIcon() {
    RemoveFormatosDaClasse(QStringLiteral("TIcon"));
    RegistraFormatoClipboard({kFormatoClipboardIcone, QStringLiteral("TIcon"),
                              [] { return std::make_unique<TIcon>(); }});
}
