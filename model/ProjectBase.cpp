#include "model/ProjectBase.h"

namespace varkel {

void ProjectBase::AddChild(ConfigObject* object) {
    if (object)
        children_.push_back(object);
}

int ProjectBase::GetCommandCount() const {
    int count = 0;
    for (const ConfigObject* child : children_) {
        for (int i = 0; i < child->GetNodeCount(); ++i)
            count += child->GetNodeAt(i)->GetCommandCount();
        count += child->GetCommandCount();
    }
    return count;
}

} // namespace varkel
