#include "ui/VirtualGateway.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace varkel {

VirtualGateway::~VirtualGateway() {
    Stop();
}

VirtualGateway& VirtualGateway::Shared() {
    static VirtualGateway gateway;
    return gateway;
}

QString VirtualGateway::DefaultStateFile() {
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty())
        return QString();
    return dir + QStringLiteral("/virtual-gateway.txt");
}

void VirtualGateway::SetStateFile(const QString& path) {
    std::lock_guard lock(mutex_);
    stateFile_ = path;
}

QString VirtualGateway::StateFile() const {
    std::lock_guard lock(mutex_);
    return stateFile_;
}

std::string VirtualGateway::Device(std::string* error) {
    std::lock_guard lock(mutex_);
    if (sim_)
        return sim_->DevicePath();
    sim::SimOptions options;
    // Real line timing, so that the progress looks like a real transfer.
    options.wireTiming = true;
    // It runs as long as the window; nothing reads its log.
    options.logLimit = 0;
    auto gateway = std::make_unique<sim::GatewaySim>(options);
    const std::string stateFile = stateFile_.toStdString();
    if (!stateFile.empty() && QFileInfo::exists(stateFile_)) {
        sim::GatewayState state;
        // A damaged file only costs the remembered configuration.
        if (sim::LoadState(state, stateFile, nullptr))
            gateway->SetState(state);
    }
    if (!stateFile.empty()) {
        QDir().mkpath(QFileInfo(stateFile_).absolutePath());
        gateway->SetStateCallback([stateFile](const sim::GatewayState& state) {
            sim::SaveState(state, stateFile, nullptr);
        });
    }
    if (!gateway->Start(error))
        return {};
    sim_ = std::move(gateway);
    return sim_->DevicePath();
}

bool VirtualGateway::IsRunning() const {
    std::lock_guard lock(mutex_);
    return sim_ != nullptr;
}

void VirtualGateway::Stop() {
    std::unique_ptr<sim::GatewaySim> gateway;
    {
        std::lock_guard lock(mutex_);
        gateway = std::move(sim_);
    }
    if (gateway)
        gateway->Stop();
}

} // namespace varkel
