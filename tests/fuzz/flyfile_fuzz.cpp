// Feeds arbitrary bytes to the fly-file reader, into a blank fly and into a wild-type fly, and
// saves and reloads whatever loaded: the reader may raise its own error and nothing else.

#include "fly/Drosophila.h"
#include "fly/Error.h"

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string ScratchPath(const char* name) {
    static const std::string folder = [] {
        const auto path =
            std::filesystem::temp_directory_path() /
            ("genotrix-fuzz-" +
             std::to_string(std::hash<std::string>{}(std::filesystem::current_path().string())));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return folder + "/" + name;
}

void LoadAndResave(CDrosophila& fly, const std::string& input) {
    try {
        LoadFromFile(fly, input);
        SaveToFile(fly, ScratchPath("resaved.fly"));
        CDrosophila again;
        LoadFromFile(again, ScratchPath("resaved.fly"));
    } catch (const CGeneralError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = ScratchPath("input.fly");
    std::ofstream(input, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    CDrosophila blank;
    LoadAndResave(blank, input);
    CDrosophila wild;
    SetWildType(wild, 1);
    LoadAndResave(wild, input);
    return 0;
}
