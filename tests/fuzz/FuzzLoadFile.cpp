// The configuration file reader on arbitrary bytes: a file is loaded or
// refused, a refused one leaves the configuration as it was, and a loaded
// one can be saved and reads back the same.
#include "FuzzSupport.h"
#include "persist/ModelXml.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string TempPath(const char* what) {
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/varkel-fuzz-" + std::to_string(::getpid()) +
           "-" + what + ".xml";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varkel;
    static const std::string input = TempPath("in");
    static const std::string output = TempPath("out");
    {
        std::ofstream out(input, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    Project project;
    const std::string before = fuzz::Snapshot(project);
    std::string error;
    if (!LoadFile(project, input, &error)) {
        VARKEL_FUZZ_EXPECT(fuzz::Snapshot(project) == before, "a refused file changed the model");
        return 0;
    }
    project.ReleaseRetired();
    const std::string loaded = fuzz::Snapshot(project);
    error.clear();
    const bool saved = SaveFile(project, output, &error);
    if (!saved)
        std::fprintf(stderr, "%s\n", error.c_str());
    VARKEL_FUZZ_EXPECT(saved, "a file that loads cannot be saved");
    Project again;
    const bool reloaded = LoadFile(again, output, &error);
    if (!reloaded)
        std::fprintf(stderr, "%s\n", error.c_str());
    VARKEL_FUZZ_EXPECT(reloaded, "a saved file does not load");
    VARKEL_FUZZ_EXPECT(fuzz::Snapshot(again) == loaded, "a saved file reads back different");
    return 0;
}
