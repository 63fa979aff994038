#include "KitConst.h"

#include "KitSistema.h"
#include "KitUtils.h"

#include <QPixmap>

void KitRegisterCursors() {
    if (KitCursorRegistered(crKitHand) && KitCursorRegistered(crKitDrag))
        return;
    const TKitBitmap mao = LoadModuleBitmap(QString(), QStringLiteral("KIT_HANDCUR"));
    const TKitBitmap arrasto = LoadModuleBitmap(QString(), QStringLiteral("KIT_DRAGCUR"));
    KitRegisterCursor(crKitHand, QCursor(QPixmap::fromImage(mao.Imagem), 5, 0));
    KitRegisterCursor(crKitDrag, QCursor(QPixmap::fromImage(arrasto.Imagem), 0, 0));
}
