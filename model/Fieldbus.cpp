#include "model/Fieldbus.h"

#include "model/ParamItem.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

namespace varkel {
namespace {

std::unique_ptr<ParamItem> MakeItem(int nameKey, int helpKey, const std::string& value, int state,
                                    int enable) {
    auto item = std::make_unique<ParamItem>();
    item->Set(LocalText(nameKey), LocalText(helpKey), value, state, enable);
    return item;
}

} // namespace

Fieldbus::Fieldbus() {
    SetName(LocalText(kKeyProfibus));
    items_.push_back(MakeItem(59, 60, "Profibus", ParamItem::ShownOnly, 0));
    items_.push_back(
        MakeItem(61, 62, LocalText(kKeyInputBytesSetByMaster), ParamItem::ShownOnly, 0));
    items_.push_back(
        MakeItem(64, 65, LocalText(kKeyOutputBytesSetByMaster), ParamItem::ShownOnly, 0));
    auto validLength = MakeItem(67, 68, LocalText(kKeyClose), ParamItem::Picked, 0);
    auto clearOnFault = MakeItem(69, 70, LocalText(kKeyClose), ParamItem::Picked, 1);
    for (int key : {25, 26}) {
        validLength->AddChoice(LocalText(key));
        clearOnFault->AddChoice(LocalText(key));
    }
    items_.push_back(std::move(validLength));
    items_.push_back(std::move(clearOnFault));
}

void Fieldbus::Reset() {
    ConfigObject::Reset();
    for (int index : {ValidLengthIndex, ClearOnFaultIndex})
        if (ParamItem* item = GetItem(index))
            item->SetValue(LocalText(kKeyClose));
}

void Fieldbus::FollowProtocolType(ProtocolType protocolType) {
    ParamItem* validLength = GetItem(ValidLengthIndex);
    ParamItem* clearOnFault = GetItem(ClearOnFaultIndex);
    if (!validLength || !clearOnFault)
        return;
    const bool master = protocolType == ProtocolType::ModbusMaster;
    validLength->SetEnable(master ? 0 : 1);
    clearOnFault->SetEnable(master ? 1 : 0);
}

void Fieldbus::Clear() {
    RemoveAllNodes();
    RemoveAllCommands();
    RetireItems(items_);
}

} // namespace varkel
