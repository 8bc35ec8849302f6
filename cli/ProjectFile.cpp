#include "cli/ProjectFile.h"

#include "cli/CliText.h"
#include "cli/ExitCodes.h"
#include "model/Project.h"
#include "persist/ModelXml.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace varkel::cli {
namespace {

std::string ParentFolder(const std::string& path) {
    fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

} // namespace

int LoadConfiguration(const std::string& path, Project& project) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        PrintError(Fmt(L("找不到文件: {}", "File not found: {}"), {path}));
        return kExitNoInput;
    }
    if (fs::is_directory(path, ec)) {
        PrintError(
            Fmt(L("这是一个文件夹, 不是配置文件: {}", "This is a folder, not a file: {}"), {path}));
        return kExitNoInput;
    }
    {
        std::ifstream probe(path, std::ios::binary);
        if (!probe) {
            PrintError(Fmt(L("无法读取文件 {}: {}", "Cannot read the file {}: {}"),
                           {path, std::strerror(errno)}));
            return kExitNoInput;
        }
    }
    std::string error;
    if (!LoadFile(project, path, &error)) {
        std::string text =
            Fmt(L("{} 不是有效的配置文件", "{} is not a valid configuration"), {path});
        if (!error.empty())
            text += ": " + error;
        PrintError(text);
        return kExitBadInput;
    }
    std::string missing = MissingParts(project);
    if (!missing.empty()) {
        PrintError(Fmt(
            L("{} 不是完整的配置文件: 缺少{}", "{} is not a complete configuration: {} missing"),
            {path, missing}));
        return kExitBadInput;
    }
    return 0;
}

std::string MissingParts(const Project& project) {
    const Fieldbus& fieldbus = project.GetFieldbus();
    const Subnet& subnet = project.GetSubnet();
    if (fieldbus.GetItemCount() < 5)
        return L("现场总线参数", "the fieldbus items");
    if (static_cast<int>(subnet.AlwaysItems().size()) < Subnet::kAlwaysCount)
        return L("子网参数", "the subnet items");
    if (subnet.GetMasterItemCount() < Subnet::kMasterCount)
        return L("Modbus主站参数", "the Modbus master items");
    if (subnet.GetUniversalItemCount() < Subnet::kUniversalCount)
        return L("通用模式参数", "the universal mode items");
    for (int n = 0; n < subnet.GetNodeCount(); ++n) {
        const Node* node = subnet.GetNodeAt(n);
        if (node->GetItemCount() < 1)
            return Fmt(L("{} 的从站地址", "the slave address of {}"), {node->GetName()});
        for (int c = 0; c < node->GetCommandCount(); ++c) {
            const Command* command = node->GetCommandAt(c);
            if (command->GetItemCount() < 10)
                return Fmt(L("{} 的命令 {} 的参数", "the items of {}'s command {}"),
                           {node->GetName(), std::to_string(c)});
        }
    }
    return {};
}

int CheckWritable(const std::string& path) {
    std::error_code ec;
    if (path.empty() || fs::is_directory(path, ec)) {
        PrintError(
            Fmt(L("无法写入 {}: 这是一个文件夹", "Cannot write {}: it is a folder"), {path}));
        return kExitCantWrite;
    }
    std::string folder = ParentFolder(path);
    if (!fs::is_directory(folder, ec)) {
        PrintError(
            Fmt(L("无法写入 {}: 文件夹 {} 不存在", "Cannot write {}: the folder {} does not exist"),
                {path, folder}));
        return kExitCantWrite;
    }
    if (::access(folder.c_str(), W_OK) != 0) {
        PrintError(Fmt(
            L("无法写入 {}: 文件夹 {} 不可写", "Cannot write {}: the folder {} is not writable"),
            {path, folder}));
        return kExitCantWrite;
    }
    return 0;
}

int SaveConfiguration(Project& project, const std::string& target) {
    // The file layer writes beside the target and renames, through links.
    std::error_code ec;
    std::string path = target;
    if (fs::is_symlink(target, ec)) {
        fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            path = resolved.string();
    }
    if (int code = CheckWritable(path))
        return code;
    std::string error;
    if (!SaveFile(project, target, &error)) {
        std::string text = Fmt(L("无法写入 {}", "Cannot write {}"), {path});
        if (!error.empty())
            text += ": " + error;
        PrintError(text);
        return kExitCantWrite;
    }
    return 0;
}

} // namespace varkel::cli
