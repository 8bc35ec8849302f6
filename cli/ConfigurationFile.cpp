#include "cli/ConfigurationFile.h"

#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "model/Catalog.h"
#include "model/FileWrite.h"
#include "model/Project.h"
#include "persist/ModelXml.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varkel::cli {
namespace {

std::string ParentFolder(const std::string& path) {
    fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

} // namespace

int CheckInputFile(const std::string& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        PrintError(Text(CliMsg::CliFileNotFound, {path}));
        return kExitNoInput;
    }
    if (fs::is_directory(path, ec)) {
        PrintError(Text(CliMsg::CliFileIsFolder, {path}));
        return kExitNoInput;
    }
    // Opened without blocking: a FIFO must be refused, not waited on.
    bool notRegular = false;
    int err = 0;
    int fd = OpenRegularFile(path, notRegular, err);
    if (fd < 0) {
        PrintError(notRegular ? Text(CliMsg::CliNotRegularFile, {path})
                              : Text(CliMsg::CliCannotRead, {path, SystemReason(err)}));
        return kExitNoInput;
    }
    ::close(fd);
    return 0;
}

int LoadConfiguration(const std::string& path, Project& project, FileIdentity* identity) {
    if (int code = CheckInputFile(path))
        return code;
    std::string error;
    if (!LoadFile(project, path, &error, identity)) {
        std::string text = Text(CliMsg::CliNotAConfiguration, {path});
        if (!error.empty())
            text += ": " + error;
        PrintError(text);
        return kExitBadInput;
    }
    std::string missing = MissingParts(project);
    if (!missing.empty()) {
        PrintError(Text(CliMsg::CliIncomplete, {path, missing}));
        return kExitBadInput;
    }
    return 0;
}

std::string MissingParts(const Project& project) {
    const Fieldbus& fieldbus = project.GetFieldbus();
    const Subnet& subnet = project.GetSubnet();
    if (fieldbus.GetItemCount() < 5)
        return Text(CliMsg::CliFieldbusItems);
    if (static_cast<int>(subnet.AlwaysItems().size()) < Subnet::kAlwaysCount)
        return Text(CliMsg::CliSubnetItems);
    if (subnet.GetMasterItemCount() < Subnet::kMasterCount)
        return Text(CliMsg::CliMasterItems);
    if (subnet.GetUniversalItemCount() < Subnet::kUniversalCount)
        return Text(CliMsg::CliUniversalItems);
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        if (node->GetItemCount() < 1)
            return Text(CliMsg::CliSlaveAddressOf, {node->GetName()});
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            if (command->GetItemCount() < 10)
                return Text(CliMsg::CliCommandItemsOf, {node->GetName(), std::to_string(c)});
        }
    }
    return {};
}

int CheckWritable(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec)) {
        PrintError(Text(CliMsg::CliWriteFolder, {path}));
        return kExitCantWrite;
    }
    std::string folder = ParentFolder(path);
    if (!fs::is_directory(folder, ec)) {
        PrintError(Text(CliMsg::CliWriteNoFolder, {path, folder}));
        return kExitCantWrite;
    }
    if (::access(folder.c_str(), W_OK) != 0) {
        PrintError(Text(CliMsg::CliWriteFolderReadOnly, {path, folder}));
        return kExitCantWrite;
    }
    return 0;
}

int LockForEdit(const std::string& path, FolderLock& lock) {
    if (lock.Acquire(path))
        return 0;
    PrintError(Text(CliMsg::CliCannotWrite, {path}) + ": " + Text(Msg::FileFolderBusy));
    return kExitCantWrite;
}

int SaveConfiguration(Project& project, const std::string& target, const FileIdentity* readAs,
                      const FolderLock* held) {
    // The file layer writes beside the target and renames, through links,
    // also to a link's target still to be created.
    const std::string path = FollowLinks(target);
    if (int code = CheckWritable(path))
        return code;
    std::string error;
    WriteGuard guard;
    if (readAs)
        guard.expected = *readAs;
    guard.held = held;
    if (!SaveFile(project, target, &error, &guard)) {
        if (guard.changedOnDisk) {
            PrintError(Text(CliMsg::CliChangedOnDisk, {target}));
            return kExitCantWrite;
        }
        std::string text = Text(CliMsg::CliCannotWrite, {path});
        if (!error.empty())
            text += ": " + error;
        PrintError(text);
        return kExitCantWrite;
    }
    return 0;
}

} // namespace varkel::cli
