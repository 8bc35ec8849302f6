#include "ui/VirtualSlave.h"

namespace varkel {

VirtualSlave::~VirtualSlave() {
    Stop();
}

VirtualSlave& VirtualSlave::Shared() {
    static VirtualSlave slave;
    return slave;
}

std::string VirtualSlave::Device(bool ascii, int unit, int baud, std::string* error) {
    std::lock_guard lock(mutex_);
    if (slave_ && options_.ascii == ascii && options_.units.count(unit) &&
        options_.lineBaud == baud)
        return slave_->DevicePath();
    slave_.reset();
    options_ = {};
    options_.ascii = ascii;
    options_.units = {unit};
    options_.lineBaud = baud;
    auto slave = std::make_unique<sim::ModbusSlave>(options_);
    if (!slave->Start(error))
        return {};
    slave_ = std::move(slave);
    return slave_->DevicePath();
}

void VirtualSlave::Stop() {
    std::lock_guard lock(mutex_);
    slave_.reset();
}

} // namespace varkel
