// tags: the PLC tag table in a format the PLC's engineering tool imports.
#include "cli/CliApp.h"
#include "cli/CliCatalog.h"
#include "cli/CliText.h"
#include "cli/ConfigurationFile.h"
#include "cli/ExitCodes.h"
#include "cli/ProjectJson.h"
#include "export/PlcTagFiles.h"
#include "model/Catalog.h"
#include "model/MemoryMap.h"
#include "model/PlcTags.h"
#include "model/Project.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <memory>
#include <set>

namespace varkel::cli {
namespace {

struct TagsRequest {
    std::string format = "csv";
    int inputBase = 0;
    int outputBase = 0;
    std::vector<std::string> types;
    std::string table = "Varkel";
    bool iecByteAddressing = false;
    std::string out;
    bool json = false;
};

std::string TypeChoices() {
    std::string out;
    for (PlcTagType type : RegisterTagTypes())
        out += std::string(out.empty() ? "" : ", ") + PlcTagTypeName(type);
    return out;
}

// "N=TYPE" into the options; false after saying what is wrong.
bool ReadTypes(const std::vector<std::string>& given, PlcTagOptions& options) {
    for (const std::string& text : given) {
        const std::size_t equals = text.find('=');
        PlcTagType type = PlcTagType::Int;
        int number = 0;
        bool ok = equals != std::string::npos && equals > 0 && equals < 6 &&
                  ParseRegisterTagType(text.substr(equals + 1), type);
        for (std::size_t i = 0; ok && i < equals; ++i) {
            ok = text[i] >= '0' && text[i] <= '9';
            number = number * 10 + (text[i] - '0');
        }
        if (!ok || number < 1) {
            PrintError(Text(CliMsg::TagsBadType, {text, TypeChoices()}));
            return false;
        }
        if (!options.types.emplace(number, type).second) {
            PrintError(Text(CliMsg::TagsTypedTwice, {std::to_string(number)}));
            return false;
        }
    }
    return true;
}

Json TagJson(const PlcTag& tag) {
    static const char* const swaps[] = {"none", "two", "four"};
    Json item;
    item["name"] = tag.name;
    item["type"] = PlcTagTypeName(tag.type);
    item["address"] = tag.address;
    item["comment"] = tag.comment;
    item["memory"] = tag.memory == OutputDirection ? "output" : "input";
    item["byte"] = tag.byte;
    item["bit"] = tag.type == PlcTagType::Bool ? Json(tag.bit) : Json(nullptr);
    item["bytes"] = tag.size;
    item["command"] = tag.command;
    item["slave"] = tag.slave;
    item["function"] = tag.function;
    item["modbus_address"] = tag.modbusAddress;
    item["registers"] = tag.registers;
    item["swap"] = swaps[tag.swap < 0 || tag.swap > 2 ? 0 : tag.swap];
    return item;
}

int RunTags(const std::string& file, const TagsRequest& request) {
    if (request.out.empty() && !request.json) {
        PrintError(Text(CliMsg::TagsNeedOutput));
        return kExitUsage;
    }
    PlcTagOptions options;
    options.format = request.format == "s7"    ? PlcTagFormat::S7
                     : request.format == "iec" ? PlcTagFormat::Iec
                                               : PlcTagFormat::Csv;
    options.inputBase = request.inputBase;
    options.outputBase = request.outputBase;
    options.iecByteAddressing = request.iecByteAddressing;
    options.table = request.table;
    if (!ReadTypes(request.types, options))
        return kExitUsage;

    auto project = std::make_unique<Project>();
    if (int code = LoadConfiguration(file, *project))
        return code;
    const PlcTagTable table = BuildPlcTags(project->GetSubnet(), options);
    if (!table.problems.empty()) {
        for (const std::string& problem : table.problems)
            PrintError(problem);
        return kExitUsage;
    }
    for (const std::string& note : table.notes)
        PrintError(note);
    for (const PlcTagOverlap& overlap : FindPlcTagOverlaps(table))
        PrintError(PlcTagOverlapText(table, overlap));
    if (table.tags.empty())
        PrintError(Text(Msg::PlcTagsNone));

    if (!request.out.empty()) {
        if (int code = CheckWritable(request.out))
            return code;
        std::string error;
        if (!WritePlcTagFile(table, request.out, error)) {
            PrintError(error);
            return kExitCantWrite;
        }
    }
    if (request.json) {
        Json rows = Json::array();
        for (const PlcTag& tag : table.tags)
            rows.push_back(TagJson(tag));
        std::cout << rows.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    } else {
        PrintLine(Text(Msg::PlcTagsWritten, {request.out, std::to_string(table.tags.size())}));
    }
    return 0;
}

} // namespace

void AddTagsCommand(CLI::App& app, CliContext& context) {
    auto* cmd = app.add_subcommand("tags", Text(CliMsg::TagsHelp));
    auto request = std::make_shared<TagsRequest>();
    auto file = AddFileArgument(cmd);
    cmd->add_option("--format", request->format, Text(CliMsg::TagsFormatHelp))
        ->required()
        ->check(CLI::IsMember({"csv", "s7", "iec"}));
    cmd->add_option("--input-base", request->inputBase, Text(CliMsg::TagsInputBaseHelp))
        ->check(CLI::Range(0, 65535));
    cmd->add_option("--output-base", request->outputBase, Text(CliMsg::TagsOutputBaseHelp))
        ->check(CLI::Range(0, 65535));
    cmd->add_option("--type", request->types, Text(CliMsg::TagsTypeHelp))->allow_extra_args(false);
    cmd->add_option("--table", request->table, Text(CliMsg::TagsTableHelp));
    cmd->add_flag("--iec-byte-addressing", request->iecByteAddressing,
                  Text(CliMsg::TagsIecByteHelp));
    cmd->add_option("-o,--output", request->out, Text(CliMsg::TagsOutputHelp));
    cmd->add_flag("--json", request->json, Text(CliMsg::TagsJsonHelp));
    cmd->callback([&context, file, request] { context.exitCode = RunTags(*file, *request); });
}

} // namespace varkel::cli
