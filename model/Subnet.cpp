#include "model/Subnet.h"

#include "model/Catalog.h"
#include "model/ItemKeys.h"
#include "model/ResultCode.h"
#include "model/TextKeys.h"
#include "model/TextTable.h"

#include <initializer_list>

namespace varkel {
namespace {

std::unique_ptr<ParamItem> MakeItem(int nameKey, int helpKey, const std::string& value, int state,
                                    int enable, std::initializer_list<std::string> choices = {}) {
    auto item = std::make_unique<ParamItem>();
    item->Set(LocalText(nameKey), LocalText(helpKey), value, state, enable);
    for (const auto& choice : choices)
        item->AddChoice(choice);
    return item;
}

// The six Modbus master items; universal mode keeps its own greyed copies.
void AddMasterItems(ItemList& list, int enable) {
    list.push_back(MakeItem(4011, 4012, "RTU", ParamItem::Picked, enable, {"RTU", "ASCII"}));
    list.push_back(MakeItem(4013, 4014, "300", ParamItem::Typed, enable));
    list.push_back(MakeItem(4015, 4016, "0", ParamItem::Typed, enable));
    list.push_back(MakeItem(4017, 4018, LocalText(kKeyChangeOfStateOutput), ParamItem::Picked,
                            enable,
                            {LocalText(kKeyContinuousOutput), LocalText(kKeyDisableOutput),
                             LocalText(kKeyChangeOfStateOutput)}));
    list.push_back(MakeItem(4019, 4020, "", ParamItem::ShownOnly, 0));
    list.push_back(MakeItem(4021, 4022, "10", ParamItem::Typed, enable));
}

void SetFirstChoice(ParamItem* item) {
    if (item && !item->GetChoices().empty())
        item->SetValue(item->GetChoices().front());
}

void SetValue(ParamItem* item, const char* value) {
    if (item)
        item->SetValue(value);
}

} // namespace

Subnet::Subnet() {
    SetName(LocalText(kKeySubnet));
    items_.push_back(MakeItem(4001, 4002, LocalText(kKeyModbusMaster), ParamItem::Picked, 1,
                              {LocalText(kKeyModbusMaster), LocalText(kKeyUniversalMode)}));
    items_.push_back(
        MakeItem(4003, 4004, "19200", ParamItem::Picked, 1,
                 {"300", "600", "1200", "2400", "9600", "19200", "38400", "57600", "115200"}));
    items_.push_back(MakeItem(4005, 4006, kDataBitsValues[0], ParamItem::ShownOnly, 0,
                              {kDataBitsValues[0], kDataBitsValues[1]}));
    items_.push_back(
        MakeItem(4007, 4008, LocalText(kKeyParityNone), ParamItem::Picked, 1,
                 {LocalText(kKeyParityNone), LocalText(kKeyParityOdd), LocalText(kKeyParityEven),
                  LocalText(kKeyParityMark), LocalText(kKeyParitySpace)}));
    items_.push_back(MakeItem(4009, 4010, "1", ParamItem::Picked, 1, {"1", "2"}));
    items_.push_back(MakeItem(49, 50, "", ParamItem::ShownOnly, 0));

    AddMasterItems(masterItems_, 1);

    AddMasterItems(universalItems_, 0);
    universalItems_.push_back(MakeItem(4037, 4036, LocalText(kKeyCharacterTimeout),
                                       ParamItem::Picked, 1,
                                       {LocalText(kKeyCharacterTimeout),
                                        LocalText(kKeyCharacterNumber), LocalText(kKeyDelimiter)}));
    universalItems_.push_back(MakeItem(57, 58, "10", ParamItem::Typed, 1));
    universalItems_.push_back(MakeItem(22, 4024, "111", ParamItem::Typed, 0));
    universalItems_.push_back(MakeItem(4025, 4026, "0", ParamItem::Typed, 0));
    universalItems_.push_back(MakeItem(4027, 4028, "0", ParamItem::Typed, 0));
    universalItems_.push_back(MakeItem(4031, 4032, LocalText(kKeyClose), ParamItem::Picked, 1,
                                       {LocalText(kKeyClose), LocalText(kKeyOpen)}));
    universalItems_.push_back(MakeItem(4029, 4030, "1000", ParamItem::Typed, 0));
    universalItems_.push_back(MakeItem(4033, 4034, LocalText(kKeyClose), ParamItem::Picked, 1,
                                       {LocalText(kKeyClose), LocalText(kKeyOpen)}));
}

ParamItem* Subnet::GetItem(int index) const {
    if (static_cast<unsigned>(index) <= 5u)
        return ItemAt(items_, index);
    return ItemAt(protocolType_ == ProtocolType::ModbusMaster ? masterItems_ : universalItems_,
                  index - 6);
}

void Subnet::SetProtocolType(ProtocolType type) {
    protocolType_ = type;
    if (ParamItem* item = ItemAt(items_, ProtocolIndex)) {
        if (type == ProtocolType::ModbusMaster)
            item->SetValue(OwnChoice(*item, kKeyModbusMaster));
        else if (type == ProtocolType::Universal)
            item->SetValue(OwnChoice(*item, kKeyUniversalMode));
    }
}

int Subnet::GetChoiceIndex(int itemIndex) const {
    ParamItem* item = GetItem(itemIndex);
    return item ? item->ChoiceIndex() : -1;
}

int Subnet::GetIntValue(int itemIndex) const {
    ParamItem* item = GetItem(itemIndex);
    return item ? item->IntValue() : -1;
}

bool Subnet::SetChoiceIndex(int itemIndex, int choice) {
    return ConfigObject::SetChoiceIndex(itemIndex, choice);
}

bool Subnet::SetIntValue(int itemIndex, int value) {
    return ConfigObject::SetIntValue(itemIndex, value);
}

void Subnet::Reset() {
    ConfigObject::Reset();
    SetFirstChoice(ItemAt(items_, ProtocolIndex));
    SetValue(ItemAt(items_, BaudRateIndex), "19200");
    SetFirstChoice(ItemAt(items_, ParityIndex));
    SetValue(ItemAt(items_, StopBitsIndex), "1");
    for (ItemList* list : {&masterItems_, &universalItems_}) {
        SetFirstChoice(ItemAt(*list, 0));
        SetValue(ItemAt(*list, 1), "300");
        SetValue(ItemAt(*list, 2), "0");
        SetFirstChoice(ItemAt(*list, 3));
        SetValue(ItemAt(*list, 5), "10");
    }
    SetFirstChoice(ItemAt(universalItems_, 6));
    SetValue(ItemAt(universalItems_, 7), "10");
    SetValue(ItemAt(universalItems_, 8), "111");
    SetValue(ItemAt(universalItems_, 9), "0");
    SetValue(ItemAt(universalItems_, 10), "0");
    SetFirstChoice(ItemAt(universalItems_, 11));
    SetValue(ItemAt(universalItems_, 12), "1000");
    SetFirstChoice(ItemAt(universalItems_, 13));
    protocolType_ = ProtocolType::ModbusMaster;
}

std::vector<ConfigProblem> Subnet::Validate() const {
    static constexpr int kTiming[] = {ResponseTimeoutIndex, PollDelayIndex, ScanRatioIndex};
    static constexpr int kFraming[] = {CharTimeoutIndex, CharNumberIndex, StartDelimiterIndex,
                                       EndDelimiterIndex, SendAutoPeriodIndex};
    std::vector<ConfigProblem> problems;
    const bool master = protocolType_ == ProtocolType::ModbusMaster;
    auto checkEmpty = [&](int index) {
        ParamItem* item = GetItem(index);
        if (!item || !item->GetValue().empty())
            return;
        problems.push_back({ItemEmpty,
                            GetName(),
                            item->GetName(),
                            {},
                            master ? LocalText(kKeyDataEmpty) + "\r\n\"" + item->GetName() + "\""
                                   : Text(Msg::ItemEmpty, {item->GetName()})});
    };
    for (int index : kTiming)
        checkEmpty(index);
    if (!master)
        for (int index : kFraming)
            checkEmpty(index);
    for (const auto& node : nodes_) {
        for (ConfigProblem& problem : node->Validate())
            problems.push_back(std::move(problem));
        // The master's download sends the first node only.
        if (master)
            break;
    }
    return problems;
}

ResultCode Subnet::MarkMemoryUse(MemoryCounts& input, MemoryCounts& output, bool report) const {
    Node* node = GetNodeAt(0);
    return node ? node->MarkMemoryUse(input, output, report) : Success;
}

ResultCode Subnet::CheckConflicts(std::string* message) const {
    Node* node = GetNodeAt(0);
    return node ? node->CheckConflicts(message) : Success;
}

std::vector<ParamItem*> Subnet::ListedItems() const {
    std::vector<ParamItem*> listed;
    for (const auto& item : items_)
        listed.push_back(item.get());
    if (protocolType_ == ProtocolType::ModbusMaster || protocolType_ == ProtocolType::Universal)
        for (const auto& item :
             protocolType_ == ProtocolType::Universal ? universalItems_ : masterItems_)
            listed.push_back(item.get());
    return listed;
}

std::string Subnet::DataBitsText(int code) {
    if (code >= 0 && code < static_cast<int>(kDataBitsValues.size()))
        return kDataBitsValues[static_cast<std::size_t>(code)];
    return std::to_string(code);
}

int Subnet::DataBitsCode() const {
    const ParamItem* item = GetItem(DataBitsIndex);
    for (std::size_t code = 0; item && code < kDataBitsValues.size(); ++code)
        if (item->GetValue() == kDataBitsValues[code])
            return static_cast<int>(code);
    return -1;
}

int Subnet::PollDelay() const {
    return static_cast<int>(static_cast<unsigned>(GetIntValue(PollDelayIndex)) / 10u);
}

int Subnet::OutputPollingMode() const {
    int index = GetChoiceIndex(PollingModeIndex);
    return index < 0 ? -1 : index + 1;
}

void Subnet::Clear() {
    RemoveAllNodes();
    RemoveAllCommands();
    RetireItems(items_);
    RetireItems(masterItems_);
    RetireItems(universalItems_);
}

void Subnet::CopyContentFrom(const ConfigObject& other) {
    ConfigObject::CopyContentFrom(other);
    if (const auto* subnet = dynamic_cast<const Subnet*>(&other)) {
        RetireItems(masterItems_);
        RetireItems(universalItems_);
        for (const auto& item : subnet->masterItems_)
            masterItems_.push_back(item->Clone());
        for (const auto& item : subnet->universalItems_)
            universalItems_.push_back(item->Clone());
    }
}

void Subnet::TakeContentFrom(ConfigObject& other) {
    ConfigObject::TakeContentFrom(other);
    if (auto* subnet = dynamic_cast<Subnet*>(&other)) {
        RetireItems(masterItems_);
        RetireItems(universalItems_);
        masterItems_ = std::move(subnet->masterItems_);
        universalItems_ = std::move(subnet->universalItems_);
        subnet->masterItems_.clear();
        subnet->universalItems_.clear();
    }
}

void Subnet::ReleaseRetired() {
    ConfigObject::ReleaseRetired();
}

} // namespace varkel
