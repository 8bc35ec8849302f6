#include "ui/CConfigApp.h"

#include "ui/UiText.h"

#include <QCoreApplication>
#include <QStringList>

namespace varkel {

QString CConfigApp::DeviceCaption() const {
    const int type = deviceType_ >= 0 && deviceType_ <= 2 ? deviceType_ : 0;
    return Local(1 + type);
}

QString CConfigApp::AppTitle() {
    return QCoreApplication::translate("CConfigApp", "Varkel");
}

QStringList CConfigApp::DeviceNames() {
    return {QStringLiteral("TRX-10"), QStringLiteral("TRX-20A"), QStringLiteral("TRC-10")};
}

} // namespace varkel
