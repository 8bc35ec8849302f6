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
    // Spelled as the window's title and the file name them.
    return {QStringLiteral("TRX10"), QStringLiteral("TRX20A"), QStringLiteral("TRC10")};
}

} // namespace varkel
