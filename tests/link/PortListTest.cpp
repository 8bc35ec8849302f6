#include "link/PortList.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

// What an adapter says it is: the product of the USB device above the
// tty's interface, else the readable part of its stable name; ports whose
// driver names them otherwise are found through their stable name.
TEST_F(PortListTest, AdaptersCarryTheirDescriptionAndStablePath) {
    for (const char* name : {"ttyUSB0", "ttyUSB1", "ttyACM0", "ttyCH341USB0", "ttyS0"})
        Device(name);
    UartType("ttyS0", "4");
    const fs::path usb = root / "sys" / "devices" / "usb1" / "1-1";
    fs::create_directories(usb / "1-1:1.0" / "ttyUSB0");
    std::ofstream(usb / "product") << "FT232R USB UART\n";
    fs::create_directories(root / "sys" / "ttyUSB0");
    fs::create_symlink(usb / "1-1:1.0", root / "sys" / "ttyUSB0" / "device");
    const fs::path byId = root / "dev" / "serial" / "by-id";
    fs::create_symlink("../../ttyUSB0", byId / "usb-FTDI_FT232R_USB_UART_A1-if00-port0");
    fs::create_symlink("../../ttyACM0", byId / "usb-Acme_Modem_42-if00");
    fs::create_symlink("../../ttyCH341USB0", byId / "usb-1a86_USB_Serial-if00-port0");
    fs::create_symlink("../../ttyUSB9", byId / "usb-Gone_Adapter-if00-port0"); // unplugged

    const struct {
        std::string name, stableId, description;
    } expected[] = {
        {"ttyS0", "", ""},
        {"ttyUSB0", "usb-FTDI_FT232R_USB_UART_A1-if00-port0", "FT232R USB UART"},
        {"ttyUSB1", "", ""},
        {"ttyACM0", "usb-Acme_Modem_42-if00", "Acme Modem 42"},
        {"ttyCH341USB0", "usb-1a86_USB_Serial-if00-port0", "1a86 USB Serial"},
    };
    const auto ports = List();
    ASSERT_EQ(ports.size(), std::size(expected));
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(ports[i].name, expected[i].name);
        EXPECT_EQ(ports[i].stableId, expected[i].stableId);
        EXPECT_EQ(ports[i].description, expected[i].description);
        const std::string dev = (root / "dev").string();
        EXPECT_EQ(StablePath(ports[i], dev), expected[i].stableId.empty()
                                                 ? (root / "dev" / expected[i].name).string()
                                                 : (byId / expected[i].stableId).string());
    }
}

TEST_F(PortListTest, MissingDirectoriesGiveAnEmptyList) {
    EXPECT_TRUE(ListSerialPorts((root / "none").string(), (root / "none").string()).empty());
}

} // namespace
} // namespace varkel
