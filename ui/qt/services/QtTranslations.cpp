#include "ui/qt/services/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tarvolin {

QLocale QtTranslations::localeFor(const QLocale& user)
{
    if (user.language() == QLocale::Chinese)
        return user;
    return QLocale(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
}

bool QtTranslations::install(const QLocale& user)
{
    // "qt_zh_CN.qm" gathers the catalogues of Qt's modules (qtbase_zh_CN.qm ...).
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(localeFor(user), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace tarvolin
