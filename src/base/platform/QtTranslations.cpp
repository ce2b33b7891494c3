#include "base/platform/QtTranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace QtTranslations {

QStringList folders()
{
    QStringList result;
    if (QCoreApplication::instance())
        result << QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"));
    result << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    return result;
}

bool install(const QString& name)
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return false;
    for (const QString& folder : folders()) {
        auto* translator = new QTranslator(app);
        if (translator->load(QLocale(QLocale::Italian), name, QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return true;
        }
        delete translator;
    }
    return false;
}

} // namespace QtTranslations
