#include "TraducoesQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool InstalaTraducoesQt(const QLocale &locale) {
    static QTranslator traducao;
    QCoreApplication::removeTranslator(&traducao);
    if (locale.language() != QLocale::Portuguese)
        return false;
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // The Brazilian catalogue stands in where the locale's own is missing.
    if (!traducao.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), pasta) &&
        !traducao.load(QStringLiteral("qtbase_pt_BR"), pasta))
        return false;
    return QCoreApplication::installTranslator(&traducao);
}
