#include "link/HardwareVariant.h"

#include <array>

namespace varkel {
namespace {

using Form = HardwareVariant::SettingsForm;
using Switch = HardwareVariant::FieldbusSwitch;

// First match wins, so 2.0 comes before the other 2.x.
// clang-format off
constexpr std::array<HardwareVariant, 3> kVariants{{
    //  name   majors minor settings     universal frame  other  otherSwitch           readBack
    {"1.x",    0, 1,  -1,   Form::Short, false,    false, true,  Switch::ValidLength,  true},
    {"2.0",    2, 2,   0,   Form::Long,  true,     false, true,  Switch::ClearOnFault, false},
    {"2.x",    2, 2,  -1,   Form::Short, true,     true,  false, Switch::ValidLength,  true},
}};
// clang-format on

} // namespace

const HardwareVariant* FindHardwareVariant(std::uint8_t major, std::uint8_t minor) {
    for (const HardwareVariant& v : kVariants) {
        if (major >= v.majorFrom && major <= v.majorTo && (v.minor < 0 || minor == v.minor))
            return &v;
    }
    return nullptr;
}

std::span<const HardwareVariant> HardwareVariants() {
    return kVariants;
}

} // namespace varkel
