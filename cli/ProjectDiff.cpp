#include "cli/ProjectDiff.h"

#include "model/FunctionCode.h"
#include "model/ItemKeys.h"
#include "model/Project.h"
#include "model/TextTable.h"
#include "model/Utf8.h"

#include <algorithm>
#include <functional>

namespace varkel::cli {
namespace {

using ItemAt = std::function<const ParamItem*(int)>;
using KeysOf = std::function<ItemKeys(int row)>;

std::string JoinChoices(const std::vector<std::string>& choices) {
    std::string joined;
    for (const std::string& choice : choices)
        joined += (joined.empty() ? "" : " | ") + choice;
    return joined;
}

class Differ {
public:
    explicit Differ(bool texts) : texts_(texts) {}

    std::vector<Difference> Take() { return std::move(out_); }

    void Add(Difference difference) { out_.push_back(std::move(difference)); }

    // A text that may be the text of a key (0: none) in either language:
    // the same setting when both are the same key's text or equal texts
    // of no key; a difference in the active language, else one in texts
    // only when the stored texts differ.
    void Keyed(const std::string& path, const std::string& name, const std::string& field,
               const std::string& a, int keyA, const std::string& b, int keyB) {
        const bool same = (keyA != 0 || keyB != 0) ? keyA == keyB : a == b;
        if (!same)
            Add({path, name, field, keyA ? LocalText(keyA) : a, keyB ? LocalText(keyB) : b});
        else
            TextOnly(path, name, field, a, b);
    }

    // A field that is a text of the language the file was made in.
    void TextOnly(const std::string& path, const std::string& name, const std::string& field,
                  const std::string& a, const std::string& b) {
        if (texts_ && a != b)
            Add({path, name, field, a, b, true});
    }

    void Items(const std::string& prefix, int rowBase, int countA, const ItemAt& itemA, int countB,
               const ItemAt& itemB, const KeysOf& keysOf) {
        if (countA != countB)
            Add({prefix, "", "count", std::to_string(countA), std::to_string(countB)});
        const int count = std::max(countA, countB);
        for (int i = 0; i < count; ++i) {
            const ParamItem* a = i < countA ? itemA(i) : nullptr;
            const ParamItem* b = i < countB ? itemB(i) : nullptr;
            const int row = rowBase + i;
            const std::string path = prefix + "[" + std::to_string(row) + "]";
            const ItemKeys keys = keysOf(row);
            if (!a || !b) {
                if (a || b)
                    Add({path, ShownName(a ? *a : *b, keys), "item", a ? ShownValue(*a, keys) : "",
                         b ? ShownValue(*b, keys) : ""});
                continue;
            }
            Item(path, *a, *b, keys);
        }
    }

    void Item(const std::string& path, const ParamItem& a, const ParamItem& b,
              const ItemKeys& keys) {
        const std::string name = ShownName(a, keys);
        Keyed(path, name, "value", a.GetValue(), ValueKey(a.GetValue(), keys), b.GetValue(),
              ValueKey(b.GetValue(), keys));
        if (a.GetState() != b.GetState())
            Add({path, name, "state", std::to_string(a.GetState()), std::to_string(b.GetState())});
        if (a.GetEnable() != b.GetEnable())
            Add({path, name, "enable", std::to_string(a.GetEnable()),
                 std::to_string(b.GetEnable())});
        TextOnly(path, name, "name", a.GetName(), b.GetName());
        TextOnly(path, name, "help", a.GetHelp(), b.GetHelp());
        TextOnly(path, name, "choices", JoinChoices(a.GetChoices()), JoinChoices(b.GetChoices()));
    }

    void List(const std::string& prefix, int rowBase, const ItemList& a, const ItemList& b,
              const KeysOf& keysOf) {
        Items(
            prefix, rowBase, static_cast<int>(a.size()),
            [&](int i) { return a[static_cast<std::size_t>(i)].get(); }, static_cast<int>(b.size()),
            [&](int i) { return b[static_cast<std::size_t>(i)].get(); }, keysOf);
    }

    void CommandPair(const std::string& path, const Command& a, const Command& b) {
        const int functionA = a.GetFunctionIndex();
        const int functionB = b.GetFunctionIndex();
        const int nameKeyA = FactsOfIndex(functionA).nameKey;
        const int nameKeyB = FactsOfIndex(functionB).nameKey;
        Keyed(path, "", "name", a.GetName(), IsKeyText(a.GetName(), nameKeyA) ? nameKeyA : 0,
              b.GetName(), IsKeyText(b.GetName(), nameKeyB) ? nameKeyB : 0);
        if (functionA != functionB)
            Add({path, "", "functionIndex", std::to_string(functionA), std::to_string(functionB)});
        Items(
            path, 0, a.GetItemCount(), [&](int i) { return a.GetItem(i); }, b.GetItemCount(),
            [&](int i) { return b.GetItem(i); },
            [&](int row) { return KeysAt(ItemPlace::Command, row, false, functionA); });
    }

    void NodePair(const std::string& path, const Node& a, const Node& b) {
        if (a.GetName() != b.GetName())
            Add({path, "", "name", a.GetName(), b.GetName()});
        Items(
            path, 0, a.GetItemCount(), [&](int i) { return a.GetItem(i); }, b.GetItemCount(),
            [&](int i) { return b.GetItem(i); },
            [](int row) { return KeysAt(ItemPlace::Node, row); });
        if (a.GetCommandCount() != b.GetCommandCount())
            Add({path + ".commands", "", "count", std::to_string(a.GetCommandCount()),
                 std::to_string(b.GetCommandCount())});
        const int count = std::max(a.GetCommandCount(), b.GetCommandCount());
        for (int c = 0; c < count; ++c) {
            const Command* ca = a.GetCommandAt(c);
            const Command* cb = b.GetCommandAt(c);
            const std::string commandPath = path + ".command[" + std::to_string(c) + "]";
            if (ca && cb)
                CommandPair(commandPath, *ca, *cb);
            else
                Add({commandPath, "", "command",
                     ca ? ShownCommandName(ca->GetName(), ca->GetFunctionIndex()) : "",
                     cb ? ShownCommandName(cb->GetName(), cb->GetFunctionIndex()) : ""});
        }
    }

private:
    bool texts_;
    std::vector<Difference> out_;
};

} // namespace

std::vector<Difference> DiffProjects(const Project& a, const Project& b, bool texts) {
    Differ differ(texts);
    const Subnet& sa = a.GetSubnet();
    const Subnet& sb = b.GetSubnet();
    if (sa.GetProtocolType() != sb.GetProtocolType())
        differ.Add({"subnet", "", "protocolType",
                    std::to_string(static_cast<int>(sa.GetProtocolType())),
                    std::to_string(static_cast<int>(sb.GetProtocolType()))});

    const Fieldbus& fa = a.GetFieldbus();
    const Fieldbus& fb = b.GetFieldbus();
    differ.TextOnly("fieldbus", "", "name", fa.GetName(), fb.GetName());
    differ.Items(
        "fieldbus", 0, fa.GetItemCount(), [&](int i) { return fa.GetItem(i); }, fb.GetItemCount(),
        [&](int i) { return fb.GetItem(i); },
        [](int row) { return KeysAt(ItemPlace::Fieldbus, row); });

    differ.TextOnly("subnet", "", "name", sa.GetName(), sb.GetName());
    const auto subnetKeys = [](bool universal) {
        return [universal](int row) { return KeysAt(ItemPlace::Subnet, row, universal); };
    };
    differ.List("subnet", 0, sa.AlwaysItems(), sb.AlwaysItems(), subnetKeys(false));
    differ.List("subnet.master", Subnet::kAlwaysCount, sa.MasterItems(), sb.MasterItems(),
                subnetKeys(false));
    differ.List("subnet.universal", Subnet::kAlwaysCount, sa.UniversalItems(), sb.UniversalItems(),
                subnetKeys(true));

    if (sa.GetNodeCount() != sb.GetNodeCount())
        differ.Add({"subnet.nodes", "", "count", std::to_string(sa.GetNodeCount()),
                    std::to_string(sb.GetNodeCount())});
    const int nodes = std::max(sa.GetNodeCount(), sb.GetNodeCount());
    for (int n = 0; n < nodes; ++n) {
        const Node* na = sa.GetNodeAt(n);
        const Node* nb = sb.GetNodeAt(n);
        const std::string path = "node[" + std::to_string(n) + "]";
        if (na && nb)
            differ.NodePair(path, *na, *nb);
        else
            differ.Add({path, "", "node", na ? na->GetName() : "", nb ? nb->GetName() : ""});
    }
    return differ.Take();
}

std::string DifferenceLine(const Difference& d) {
    std::string line = d.path;
    if (!d.name.empty())
        line += " " + d.name;
    // A help text spans lines; the line shows its breaks as \x0A.
    line += " " + d.field + ": \"" + EscapedText(d.a, std::string::npos) + "\" -> \"" +
            EscapedText(d.b, std::string::npos) + "\"";
    return line;
}

} // namespace varkel::cli
