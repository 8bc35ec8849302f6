#include "cli/ProjectDiff.h"

#include "model/Project.h"

#include <algorithm>
#include <functional>

namespace varkel::cli {
namespace {

using ItemAt = std::function<const ParamItem*(int)>;

void DiffItems(const std::string& prefix, int rowBase, int countA, const ItemAt& itemA, int countB,
               const ItemAt& itemB, std::vector<Difference>& out) {
    if (countA != countB)
        out.push_back({prefix, "", "count", std::to_string(countA), std::to_string(countB)});
    const int count = std::max(countA, countB);
    for (int i = 0; i < count; ++i) {
        const ParamItem* a = i < countA ? itemA(i) : nullptr;
        const ParamItem* b = i < countB ? itemB(i) : nullptr;
        const std::string path = prefix + "[" + std::to_string(rowBase + i) + "]";
        if (!a || !b) {
            if (a || b) {
                const ParamItem* some = a ? a : b;
                out.push_back({path, some->GetName(), "item", a ? a->GetValue() : "",
                               b ? b->GetValue() : ""});
            }
            continue;
        }
        const std::string& name = a->GetName();
        if (a->GetValue() != b->GetValue())
            out.push_back({path, name, "value", a->GetValue(), b->GetValue()});
        if (a->GetState() != b->GetState())
            out.push_back({path, name, "state", std::to_string(a->GetState()),
                           std::to_string(b->GetState())});
        if (a->GetEnable() != b->GetEnable())
            out.push_back({path, name, "enable", std::to_string(a->GetEnable()),
                           std::to_string(b->GetEnable())});
    }
}

void DiffList(const std::string& prefix, int rowBase, const ItemList& a, const ItemList& b,
              std::vector<Difference>& out) {
    DiffItems(
        prefix, rowBase, static_cast<int>(a.size()),
        [&](int i) { return a[static_cast<std::size_t>(i)].get(); }, static_cast<int>(b.size()),
        [&](int i) { return b[static_cast<std::size_t>(i)].get(); }, out);
}

void DiffCommand(const std::string& path, const Command& a, const Command& b,
                 std::vector<Difference>& out) {
    if (a.GetName() != b.GetName())
        out.push_back({path, "", "name", a.GetName(), b.GetName()});
    if (a.GetFunctionIndex() != b.GetFunctionIndex())
        out.push_back({path, "", "functionIndex", std::to_string(a.GetFunctionIndex()),
                       std::to_string(b.GetFunctionIndex())});
    DiffItems(
        path, 0, a.GetItemCount(), [&](int i) { return a.GetItem(i); }, b.GetItemCount(),
        [&](int i) { return b.GetItem(i); }, out);
}

void DiffNode(const std::string& path, const Node& a, const Node& b, std::vector<Difference>& out) {
    if (a.GetName() != b.GetName())
        out.push_back({path, "", "name", a.GetName(), b.GetName()});
    DiffItems(
        path, 0, a.GetItemCount(), [&](int i) { return a.GetItem(i); }, b.GetItemCount(),
        [&](int i) { return b.GetItem(i); }, out);
    if (a.GetCommandCount() != b.GetCommandCount())
        out.push_back({path + ".commands", "", "count", std::to_string(a.GetCommandCount()),
                       std::to_string(b.GetCommandCount())});
    const int count = std::max(a.GetCommandCount(), b.GetCommandCount());
    for (int c = 0; c < count; ++c) {
        const Command* ca = a.GetCommandAt(c);
        const Command* cb = b.GetCommandAt(c);
        const std::string commandPath = path + ".command[" + std::to_string(c) + "]";
        if (ca && cb)
            DiffCommand(commandPath, *ca, *cb, out);
        else
            out.push_back(
                {commandPath, "", "command", ca ? ca->GetName() : "", cb ? cb->GetName() : ""});
    }
}

} // namespace

std::vector<Difference> DiffProjects(const Project& a, const Project& b) {
    std::vector<Difference> out;
    const Subnet& sa = a.GetSubnet();
    const Subnet& sb = b.GetSubnet();
    if (sa.GetProtocolType() != sb.GetProtocolType())
        out.push_back({"subnet", "", "protocolType",
                       std::to_string(static_cast<int>(sa.GetProtocolType())),
                       std::to_string(static_cast<int>(sb.GetProtocolType()))});

    const Fieldbus& fa = a.GetFieldbus();
    const Fieldbus& fb = b.GetFieldbus();
    DiffItems(
        "fieldbus", 0, fa.GetItemCount(), [&](int i) { return fa.GetItem(i); }, fb.GetItemCount(),
        [&](int i) { return fb.GetItem(i); }, out);

    DiffList("subnet", 0, sa.AlwaysItems(), sb.AlwaysItems(), out);
    DiffList("subnet.master", Subnet::kAlwaysCount, sa.MasterItems(), sb.MasterItems(), out);
    DiffList("subnet.universal", Subnet::kAlwaysCount, sa.UniversalItems(), sb.UniversalItems(),
             out);

    if (sa.GetNodeCount() != sb.GetNodeCount())
        out.push_back({"subnet.nodes", "", "count", std::to_string(sa.GetNodeCount()),
                       std::to_string(sb.GetNodeCount())});
    const int nodes = std::max(sa.GetNodeCount(), sb.GetNodeCount());
    for (int n = 0; n < nodes; ++n) {
        const Node* na = sa.GetNodeAt(n);
        const Node* nb = sb.GetNodeAt(n);
        const std::string path = "node[" + std::to_string(n) + "]";
        if (na && nb)
            DiffNode(path, *na, *nb, out);
        else
            out.push_back({path, "", "node", na ? na->GetName() : "", nb ? nb->GetName() : ""});
    }
    return out;
}

std::string DifferenceLine(const Difference& d) {
    std::string line = d.path;
    if (!d.name.empty())
        line += " " + d.name;
    line += " " + d.field + ": \"" + d.a + "\" -> \"" + d.b + "\"";
    return line;
}

} // namespace varkel::cli
