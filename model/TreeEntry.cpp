#include "model/TreeEntry.h"

#include "model/Fieldbus.h"
#include "model/Subnet.h"

#include <type_traits>

namespace varkel {

TreeEntry::Kind TreeEntry::GetKind() const {
    static constexpr Kind kKinds[] = {None, FieldbusKind, SubnetKind, NodeKind, CommandKind};
    return kKinds[object_.index()];
}

bool TreeEntry::HasObject() const {
    return std::visit(
        [](auto object) {
            if constexpr (std::is_same_v<decltype(object), std::monostate>)
                return false;
            else
                return object != nullptr;
        },
        object_);
}

Command* TreeEntry::AsCommand() const {
    auto* command = std::get_if<Command*>(&object_);
    return command ? *command : nullptr;
}

Node* TreeEntry::AsNode() const {
    auto* node = std::get_if<Node*>(&object_);
    return node ? *node : nullptr;
}

Fieldbus* TreeEntry::AsFieldbus() const {
    auto* fieldbus = std::get_if<Fieldbus*>(&object_);
    return fieldbus ? *fieldbus : nullptr;
}

Subnet* TreeEntry::AsSubnet() const {
    auto* subnet = std::get_if<Subnet*>(&object_);
    return subnet ? *subnet : nullptr;
}

ConfigObject* TreeEntry::AsConfigObject() const {
    if (Fieldbus* fieldbus = AsFieldbus())
        return fieldbus;
    return AsSubnet();
}

} // namespace varkel
