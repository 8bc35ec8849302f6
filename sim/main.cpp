// varkel-sim: a virtual gateway on a pseudo-terminal, for trying a
// configuration without hardware and for tests.
#include "sim/GatewaySim.h"

#include <CLI/CLI.hpp>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <mutex>
#include <thread>

namespace {

using namespace varkel::sim;

std::atomic<bool> stopRequested{false};

void OnSignal(int) {
    stopRequested = true;
}

bool chinese = false;

// Our own texts, in both languages.
const char* T(const char* english, const char* chineseText) {
    return chinese ? chineseText : english;
}

std::string Hex(const Bytes& bytes) {
    std::string out;
    char b[4];
    for (auto v : bytes) {
        std::snprintf(b, sizeof b, "%02X ", v);
        out += b;
    }
    if (!out.empty())
        out.pop_back();
    return out;
}

bool ParseVersion(const std::string& text, std::uint8_t& major, std::uint8_t& minor) {
    unsigned a = 0, b = 0;
    char tail = 0;
    if (std::sscanf(text.c_str(), "%u.%u%c", &a, &b, &tail) != 2 || a > 255 || b > 255)
        return false;
    major = static_cast<std::uint8_t>(a);
    minor = static_cast<std::uint8_t>(b);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const char* lang = std::getenv("LANG");
    chinese = lang && std::strncmp(lang, "zh", 2) == 0;

    CLI::App app{"Virtual gateway on a pseudo-terminal / 伪终端上的虚拟网关"};
    std::string hw = "2.1";
    std::string linkPath;
    std::string statePath;
    std::string faultName = "none";
    std::string language;
    int faultAt = 0;
    bool wireTiming = false;
    bool trace = false;
    app.add_option("--hw", hw, "Hardware version MAJOR.MINOR / 硬件版本 (2.1)");
    app.add_option("--link", linkPath, "Symbolic link to the device / 指向设备的符号链接");
    app.add_option("--state", statePath,
                   "File that keeps the downloaded configuration / 保存下载配置的文件");
    app.add_flag("--wire-timing", wireTiming,
                 "Take the time of a 19200 baud line / 模拟19200波特率线路耗时");
    app.add_flag("--trace", trace, "Print every frame / 打印每一帧");
    app.add_option("--fault", faultName,
                   "none, silent, short, wrong-ack, bad-version, bad-checksum, vanish");
    app.add_option("--fault-at", faultAt, "Request number from 1 (0: every request) / 请求序号");
    app.add_option("--lang", language, "en or zh");
    CLI11_PARSE(app, argc, argv);
    if (language == "zh")
        chinese = true;
    else if (language == "en")
        chinese = false;

    SimOptions options;
    options.wireTiming = wireTiming;
    if (!ParseVersion(hw, options.hwMajor, options.hwMinor)) {
        std::cerr << T("Hardware version must be MAJOR.MINOR, for example 2.1",
                       "硬件版本格式应为 主版本.次版本，例如 2.1")
                  << "\n";
        return 2;
    }
    if (!Fault::Parse(faultName, options.fault.kind) || faultAt < 0) {
        std::cerr << T("Unknown fault: ", "未知故障类型：") << faultName << "\n";
        return 2;
    }
    options.fault.atFrame = faultAt;

    GatewaySim sim(options);
    if (!statePath.empty() && std::filesystem::exists(statePath)) {
        GatewayState state;
        std::string error;
        // Refuse to start rather than overwrite a file we could not read.
        if (!LoadState(state, statePath, &error)) {
            std::cerr << T("Cannot load the state file: ", "无法读取状态文件：") << error << "\n";
            return 1;
        }
        sim.SetState(state);
    }

    std::mutex outputMutex;
    if (trace) {
        sim.SetTraceCallback([&](const Exchanged& e) {
            std::lock_guard lock(outputMutex);
            std::cout << "<- " << Hex(e.request) << "\n";
            if (!e.reply.empty())
                std::cout << "-> " << Hex(e.reply) << "\n";
            std::cout << "   " << e.what << std::endl;
        });
    }
    if (!statePath.empty()) {
        sim.SetStateCallback([&](const GatewayState& state) {
            std::string error;
            if (!SaveState(state, statePath, &error)) {
                std::lock_guard lock(outputMutex);
                std::cerr << T("Cannot save the state file: ", "无法保存状态文件：") << error
                          << std::endl;
            }
        });
    }

    std::string error;
    if (!sim.Start(&error)) {
        std::cerr << T("Cannot open a pseudo-terminal: ", "无法打开伪终端：") << error << "\n";
        return 1;
    }
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec))
            std::filesystem::remove(linkPath, ec);
        std::filesystem::create_symlink(sim.DevicePath(), linkPath, ec);
        if (ec) {
            std::cerr << T("Cannot create the link ", "无法创建链接 ") << linkPath << ": "
                      << ec.message() << "\n";
            return 1;
        }
    }

    std::signal(SIGINT, OnSignal);
    std::signal(SIGTERM, OnSignal);
    {
        std::lock_guard lock(outputMutex);
        std::cout << sim.DevicePath() << std::endl;
        std::cerr << T("Virtual gateway, hardware ", "虚拟网关，硬件版本 ") << int(options.hwMajor)
                  << "." << int(options.hwMinor) << T(", ready on ", "，设备：") << sim.DevicePath()
                  << (linkPath.empty() ? "" : " (" + linkPath + ")") << std::endl;
    }
    while (!stopRequested && !sim.Vanished())
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    sim.Stop();
    if (!linkPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_symlink(linkPath, ec) &&
            std::filesystem::read_symlink(linkPath, ec) == sim.DevicePath())
            std::filesystem::remove(linkPath, ec);
    }
    return 0;
}
