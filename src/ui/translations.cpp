#include "ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace corvel::ui {

QString translationsPath() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }

bool installChineseTranslations() {
    QCoreApplication *app = QCoreApplication::instance();
    if (!app) return false;
    // "qt_zh_CN" gathers the catalogues of every installed Qt module (qtbase, …).
    auto *translator = new QTranslator(app);
    const QLocale chinese(QLocale::Chinese, QLocale::China);
    if (!translator->load(chinese, QStringLiteral("qt"), QStringLiteral("_"), translationsPath()) &&
        !translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"), translationsPath())) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace corvel::ui
