#include "link/PortList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace varkel {
namespace {

namespace fs = std::filesystem;

class PortListTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("varkel-ports-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "dev" / "serial" / "by-id");
        fs::create_directories(root / "sys");
    }
    void TearDown() override { fs::remove_all(root); }
    void Device(const std::string& name) { std::ofstream(root / "dev" / name).put('x'); }
    void UartType(const std::string& name, const std::string& type) {
        fs::create_directories(root / "sys" / name);
        std::ofstream(root / "sys" / name / "type") << type << "\n";
    }
    std::vector<SerialPortInfo> List() {
        return ListSerialPorts((root / "dev").string(), (root / "sys").string());
    }
    fs::path root;
};

TEST_F(PortListTest, RealPortsInAStableOrderWithTheirStableNames) {
    for (const char* name : {"ttyUSB10", "ttyS1", "ttyACM0", "ttyS0", "ttyUSB2", "ttyS2", "tty1",
                             "ttyUSBx", "null", "ttyS3"})
        Device(name);
    UartType("ttyS0", "4");
    UartType("ttyS1", "0");                                    // a node without a UART behind it
    fs::create_directories(root / "sys" / "ttyS2" / "device"); // no type: the device decides
    fs::create_symlink("../../ttyUSB2", root / "dev" / "serial" / "by-id" / "usb-FTDI_A1-port0");
    std::vector<std::string> names;
    for (const auto& port : List())
        names.push_back(port.name);
    EXPECT_EQ(names,
              (std::vector<std::string>{"ttyS0", "ttyS2", "ttyUSB2", "ttyUSB10", "ttyACM0"}));
    auto ports = List();
    EXPECT_EQ(ports[2].stableId, "usb-FTDI_A1-port0");
    EXPECT_EQ(ports[2].path, (root / "dev" / "ttyUSB2").string());
    EXPECT_EQ(ports[3].stableId, "");
}

TEST_F(PortListTest, MissingDirectoriesGiveAnEmptyList) {
    EXPECT_TRUE(ListSerialPorts((root / "none").string(), (root / "none").string()).empty());
}

} // namespace
} // namespace varkel
