#include "model/Project.h"
#include "MessageRecorder.h"
#include "model/TextTable.h"

#include <gtest/gtest.h>

using namespace varkel;

TEST(Project, NodeNamesCountTheList) {
    Project project;
    Subnet& subnet = project.GetSubnet();
    subnet.CreateNode();
    Node* second = subnet.CreateNode();
    EXPECT_EQ(subnet.CreateNode()->GetName(), "Node(3)");
    EXPECT_EQ(subnet.GetNodeAt(3), nullptr);
    subnet.RemoveNode(subnet.GetNodeAt(0));
    EXPECT_EQ(subnet.CreateNode()->GetName(), "Node(3)");
    EXPECT_EQ(second->GetName(), "Node(2)");
}

TEST(Project, CommandCountIsTheFirstNodes) {
    Project project;
    EXPECT_EQ(project.GetCommandCount(), 0);
    Node* node = project.GetSubnet().CreateNode();
    for (int i = 0; i < 48; ++i)
        node->CreateCommand(2);
    EXPECT_EQ(project.GetCommandCount(), 48);
}

TEST(Project, ResetAndRetiredObjects) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    Command* command = node->CreateCommand(0);
    project.GetSubnet().SetProtocolType(ProtocolType::Universal);
    project.Reset();
    EXPECT_EQ(project.GetSubnet().GetNodeCount(), 0);
    EXPECT_EQ(project.GetSubnet().GetProtocolType(), ProtocolType::ModbusMaster);
    // A tree built before the reset may still show these until it is rebuilt.
    EXPECT_EQ(node->GetName(), "Node(1)");
    EXPECT_EQ(command->GetItemCount(), 10);
    project.ReleaseRetired();
}

TEST(Project, CopyAndTakeKeepOldObjectsAlive) {
    Project project;
    Node* node = project.GetSubnet().CreateNode();
    node->CreateCommand(2)->GetItem(1)->SetValue("11");
    ParamItem* oldItem = project.GetSubnet().GetItem(1);

    Project staged;
    staged.CopyFrom(project);
    staged.GetSubnet().GetNodeAt(0)->GetCommandAt(0)->GetItem(1)->SetValue("22");
    EXPECT_EQ(node->GetCommandAt(0)->GetItem(1)->GetValue(), "11");
    staged.GetSubnet().SetProtocolType(ProtocolType::Universal);

    project.TakeFrom(staged);
    EXPECT_EQ(project.GetSubnet().GetProtocolType(), ProtocolType::Universal);
    EXPECT_EQ(project.GetSubnet().GetNodeAt(0)->GetCommandAt(0)->GetItem(1)->GetValue(), "22");
    EXPECT_EQ(project.GetSubnet().GetItem(0)->GetValue(), "通用模式");
    EXPECT_EQ(oldItem->GetValue(), "19200"); // retired, not freed
    EXPECT_EQ(node->GetName(), "Node(1)");
    EXPECT_EQ(project.GetSubnet().GetUniversalItemCount(), 14);
    project.ReleaseRetired();
}
