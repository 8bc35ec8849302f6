// The commit rules of the parameter grid on arbitrary targets, rows and
// texts. The input is a text language byte, then commits: an entry byte
// (subnet, fieldbus, a node or a command), a row byte, a length byte whose
// top bit commits the item's own choice number (length) instead of a text,
// and the text. A refused or unchanged commit leaves the model exactly as
// it was; an accepted one stores what it reports.
#include "FuzzSupport.h"
#include "model/CommitRules.h"
#include "model/TextTable.h"

#include <string>
#include <vector>

namespace {

using namespace varkel;

std::vector<TreeEntry> Entries(Project& project) {
    std::vector<TreeEntry> entries{TreeEntry(&project.GetSubnet()),
                                   TreeEntry(&project.GetFieldbus())};
    Subnet& subnet = project.GetSubnet();
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        Node* node = subnet.GetNodeAt(n);
        entries.push_back(TreeEntry(node));
        for (int c = 0; c < node->GetCommandCount(); ++c)
            entries.push_back(TreeEntry(node->GetCommandAt(c)));
    }
    return entries;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    SetTextLanguage((data[0] & 1) ? TextLanguage::English : TextLanguage::Chinese);
    Project project;
    Subnet& subnet = project.GetSubnet();
    Node* first = subnet.CreateNode();
    for (int index = 0; index < 14; ++index)
        first->CreateCommand(index);
    subnet.CreateNode()->CreateCommand(3);
    const std::vector<TreeEntry> entries = Entries(project);

    std::size_t at = 1;
    while (at + 3 <= size) {
        const TreeEntry& entry = entries[data[at] % entries.size()];
        const int row = static_cast<int>(static_cast<std::int8_t>(data[at + 1]));
        const std::uint8_t length = data[at + 2];
        at += 3;
        std::string text;
        const ParamItem* target = ItemAtRow(entry, row);
        if ((length & 0x80) && target && !target->GetChoices().empty()) {
            const auto& choices = target->GetChoices();
            text = choices[(length & 0x7F) % choices.size()];
        } else {
            const std::size_t n = std::min<std::size_t>(length & 0x7F, size - at);
            text.assign(reinterpret_cast<const char*>(data + at), n);
            at += n;
        }

        const std::string before = fuzz::Snapshot(project);
        const CommitResult result = CommitValue(project, entry, row, text);
        if (!result.Accepted()) {
            VARKEL_FUZZ_EXPECT(fuzz::Snapshot(project) == before,
                               "a refused commit changed the model");
            VARKEL_FUZZ_EXPECT(result.code == 0 || result.code == 6 || result.code == 7 ||
                                   result.code == 8,
                               "a commit refused with an unexpected code");
            continue;
        }
        const ParamItem* item = ItemAtRow(entry, row);
        VARKEL_FUZZ_EXPECT(item != nullptr, "a commit accepted at a row without an item");
        VARKEL_FUZZ_EXPECT(item->GetValue() == result.storedValue,
                           "an accepted commit stored another value than it reports");
        if (!result.changed)
            VARKEL_FUZZ_EXPECT(fuzz::Snapshot(project) == before,
                               "a commit that reports no change changed the model");
    }
    return 0;
}
