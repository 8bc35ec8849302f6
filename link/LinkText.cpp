#include "link/LinkText.h"

#include "model/TextTable.h"

#include <string_view>

namespace varkel {
namespace {

struct Pair {
    const char* english;
    const char* chinese;
};

Pair TextOf(LinkTextId id) {
    switch (id) {
    case LinkTextId::VersionQuery:
        return {"Hardware version query", "查询硬件版本"};
    case LinkTextId::SerialSettings:
        return {"Serial settings", "串口参数"};
    case LinkTextId::UniversalSettings:
        return {"Universal mode settings", "通用模式参数"};
    case LinkTextId::CommandListStart:
        return {"Start of command records", "命令记录开始"};
    case LinkTextId::CommandRecord:
        return {"Command record %d", "命令记录 %d"};
    case LinkTextId::FieldbusSwitch:
        return {"Fieldbus switch", "现场总线开关"};
    case LinkTextId::ReadSerialSettings:
        return {"Reading serial settings", "读取串口参数"};
    case LinkTextId::ReadUniversalSettings:
        return {"Reading universal mode settings", "读取通用模式参数"};
    case LinkTextId::ReadRecordCount:
        return {"Reading number of command records", "读取命令记录数"};
    case LinkTextId::ReadRecordPage:
        return {"Reading command records, page %d", "读取命令记录，第 %d 页"};
    case LinkTextId::ReadFieldbusSwitch:
        return {"Reading fieldbus switch", "读取现场总线开关"};
    case LinkTextId::PermissionHint:
        return {"You have no permission to use %s. Add your user to the group \"%s\" that "
                "owns it (for example: sudo usermod -aG %s $USER), then log out and in again.",
                "没有使用 %s 的权限。请把当前用户加入拥有该设备的用户组 \"%s\"（例如：sudo "
                "usermod -aG %s $USER），然后重新登录。"};
    case LinkTextId::PermissionHintNoGroup:
        return {"You have no permission to use %s. Ask the administrator for read and write "
                "access to it.",
                "没有使用 %s 的权限。请让管理员给予读写权限。"};
    case LinkTextId::PortBusy:
        return {"%s is in use by another program or transfer.", "%s 正被其他程序或传输占用。"};
    case LinkTextId::PortMissing:
        return {"%s does not exist.", "%s 不存在。"};
    }
    return {"", ""};
}

std::string Pattern(LinkTextId id) {
    Pair p = TextOf(id);
    return GetTextLanguage() == TextLanguage::English ? p.english : p.chinese;
}

// Fills every "%s" in turn from the arguments (the last one repeats), and
// "%d" from the number; no printf, so a device name cannot inject formats.
std::string Fill(const std::string& pattern, const std::string* args, int argCount, int number) {
    std::string out;
    int next = 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            char c = pattern[i + 1];
            if (c == 's' && argCount > 0) {
                out += args[next < argCount ? next : argCount - 1];
                if (next < argCount)
                    ++next;
                ++i;
                continue;
            }
            if (c == 'd') {
                out += std::to_string(number);
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace

std::string LinkText(LinkTextId id) {
    return Fill(Pattern(id), nullptr, 0, 0);
}

std::string LinkText(LinkTextId id, int number) {
    return Fill(Pattern(id), nullptr, 0, number);
}

std::string LinkText(LinkTextId id, const std::string& a, const std::string& b) {
    std::string args[2] = {a, b};
    return Fill(Pattern(id), args, b.empty() ? 1 : 2, 0);
}

} // namespace varkel
