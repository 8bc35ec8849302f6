#pragma once
#include "model/Project.h"

#include <QString>

#include <functional>

namespace varkel {

// The program's state for the whole run: the one configuration, whether it
// has unsaved changes, the gateway model chosen at start and the serial port
// used last.
class CConfigApp {
public:
    CConfigApp() = default;
    CConfigApp(const CConfigApp&) = delete;
    CConfigApp& operator=(const CConfigApp&) = delete;

    Project& GetProject() { return project_; }
    const Project& GetProject() const { return project_; }

    bool GetModified() const { return modified_; }
    void SetModified(bool flag) {
        modified_ = flag;
        if (modifiedListener_)
            modifiedListener_(flag);
    }
    // Told every setting of the flag (the window's title mark).
    void SetModifiedListener(std::function<void(bool)> listener) {
        modifiedListener_ = std::move(listener);
    }

    int GetDeviceType() const { return deviceType_; }
    void SetDeviceType(int type) { deviceType_ = type; }

    int GetLastSerialPort() const { return lastSerialPort_; }
    void SetLastSerialPort(int port) { lastSerialPort_ = port; }

    // The window caption of the chosen gateway model.
    QString DeviceCaption() const;
    // The caption of every message box.
    static QString AppTitle();
    // The gateway models offered at start, by index.
    static QStringList DeviceNames();

private:
    Project project_;
    bool modified_ = false;
    std::function<void(bool)> modifiedListener_;
    int deviceType_ = 0;
    int lastSerialPort_ = 0;
};

} // namespace varkel
