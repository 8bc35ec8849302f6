#include "ui/TrendView.h"

#include <QCoreApplication>
#include <QLibrary>

namespace varkel {

namespace {

using Factory = TrendView* (*)(QWidget*, const QString&, const QString&);

// A program of the build tree takes the module built beside it; an
// installed one (or an unpacked copy of the package) the module installed
// with it.
QString ModulePath() {
    const QString program = QCoreApplication::applicationDirPath();
    const QString buildRoot = QStringLiteral(VARKEL_BUILD_ROOT);
    if (program == buildRoot || program.startsWith(buildRoot + QLatin1Char('/')))
        return QStringLiteral(VARKEL_TREND_BUILD_PATH);
    return program + QStringLiteral("/" VARKEL_TREND_INSTALLED_PATH);
}

} // namespace

TrendView* CreateTrendView(QWidget* parent, const QString& timeTitle, const QString& valueTitle,
                           QString& failure) {
    // Loaded once; it stays loaded to the end of the run.
    static QString loadFailure;
    static const Factory factory = [] {
        QLibrary module(ModulePath());
        auto found = reinterpret_cast<Factory>(module.resolve("VarkelCreateTrendChart"));
        if (!found)
            loadFailure = module.errorString();
        return found;
    }();
    if (!factory) {
        failure = loadFailure;
        return nullptr;
    }
    return factory(parent, timeTitle, valueTitle);
}

} // namespace varkel
