#pragma once
#include "model/ConfigObject.h"
#include "model/ResultCode.h"

#include <array>
#include <cstdint>
#include <string>

namespace varkel {

// The gateway's serial side: protocol, line settings, master timing and
// universal-mode framing, and the node with its commands. Items are reached
// by a combined index: 0..5 the always-shown list, 6.. the mode list in force.
class Subnet : public ConfigObject {
public:
    // Combined indices.
    enum Index {
        ProtocolIndex = 0,
        BaudRateIndex = 1,
        DataBitsIndex = 2,
        ParityIndex = 3,
        StopBitsIndex = 4,
        SlaveAddressIndex = 5,
        CommModeIndex = 6,
        ResponseTimeoutIndex = 7,
        PollDelayIndex = 8,
        PollingModeIndex = 9,
        PulseTimeIndex = 10,
        ScanRatioIndex = 11,
        ControlModeIndex = 12,
        CharTimeoutIndex = 13,
        CharNumberIndex = 14,
        StartDelimiterIndex = 15,
        EndDelimiterIndex = 16,
        SendAutoIndex = 17,
        SendAutoPeriodIndex = 18,
        CrcIndex = 19,
    };
    static constexpr int kAlwaysCount = 6;
    static constexpr int kMasterCount = 6;
    static constexpr int kUniversalCount = 14;
    // "Data bits" by its code in the settings frame. The item is shown only,
    // so a loaded one carries no choices: its values are known here.
    static constexpr std::array<const char*, 2> kDataBitsValues{"8", "7"};
    // The value of a data-bits code; a code without one as its number.
    static std::string DataBitsText(int code);

    Subnet();

    ParamItem* GetItem(int index) const override;
    void SetProtocolType(ProtocolType type) override;
    int GetChoiceIndex(int itemIndex) const override;
    int GetIntValue(int itemIndex) const override;
    bool SetChoiceIndex(int itemIndex, int choice) override;
    bool SetIntValue(int itemIndex, int value) override;
    void Reset() override;
    void CopyContentFrom(const ConfigObject& other) override;
    void TakeContentFrom(ConfigObject& other) override;
    void ReleaseRetired() override;

    ParamItem* GetMasterItem(int position) const { return ItemAt(masterItems_, position); }
    ParamItem* GetUniversalItem(int position) const { return ItemAt(universalItems_, position); }
    int GetMasterItemCount() const { return static_cast<int>(masterItems_.size()); }
    int GetUniversalItemCount() const { return static_cast<int>(universalItems_.size()); }
    // The items the window and "show" list, by row: the always-shown ones,
    // then those of the mode in force (none for a type that is neither).
    std::vector<ParamItem*> ListedItems() const;
    // What a download refuses, in the order it checks: the empty timing
    // (and, in the universal mode, framing) items, then the first node's
    // problems (every node's in the universal mode). Shows nothing.
    std::vector<ConfigProblem> Validate() const;
    [[nodiscard]] ResultCode MarkMemoryUse(MemoryCounts& input, MemoryCounts& output,
                                           bool report) const;
    [[nodiscard]] ResultCode CheckConflicts(std::string* message = nullptr) const;

    // Values the download places in its frames.
    int BaudRateCode() const { return GetChoiceIndex(BaudRateIndex); }
    int DataBitsCode() const;
    int ParityCode() const { return GetChoiceIndex(ParityIndex); }
    int StopBitsCode() const { return GetChoiceIndex(StopBitsIndex); }
    int TransmissionModeCode() const { return GetChoiceIndex(CommModeIndex); }
    int ResponseTimeout() const { return GetIntValue(ResponseTimeoutIndex); }
    int PollDelay() const;
    int OutputPollingMode() const;
    int ScanRatio() const { return GetIntValue(ScanRatioIndex); }
    int ControlModeCode() const { return GetChoiceIndex(ControlModeIndex); }
    int CharacterTimeout() const { return GetIntValue(CharTimeoutIndex); }
    int CharacterNumber() const { return GetIntValue(CharNumberIndex); }
    int StartDelimiter() const { return GetIntValue(StartDelimiterIndex); }
    int EndDelimiter() const { return GetIntValue(EndDelimiterIndex); }
    int SendAutoCode() const { return GetChoiceIndex(SendAutoIndex); }
    int SendAutoPeriod() const { return GetIntValue(SendAutoPeriodIndex); }
    int CrcCode() const { return GetChoiceIndex(CrcIndex); }

    // Direct access to the lists, for the file layer.
    ItemList& AlwaysItems() { return items_; }
    ItemList& MasterItems() { return masterItems_; }
    ItemList& UniversalItems() { return universalItems_; }
    const ItemList& AlwaysItems() const { return items_; }
    const ItemList& MasterItems() const { return masterItems_; }
    const ItemList& UniversalItems() const { return universalItems_; }
    // Empties all lists and counts before a load.
    void Clear();

private:
    ItemList masterItems_;
    ItemList universalItems_;
};

} // namespace varkel
