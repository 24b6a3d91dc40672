// Build step: writes the game's wave files into the directory named on the command line.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "WaveSynth.h"

namespace fs = std::filesystem;
namespace waves = zarvelo::waves;

namespace {

// Writes beside the target and renames, so an interrupted build never leaves a truncated file.
bool WriteAtomically(const fs::path& target, const std::vector<std::uint8_t>& bytes,
                     std::string& error) {
    fs::path temp = target;
    temp += ".tmp";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            error = "cannot write " + temp.string();
            std::error_code ignored;
            fs::remove(temp, ignored);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temp, target, ec);
    if (ec) {
        error = "cannot rename " + temp.string() + " to " + target.string() + ": " + ec.message();
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_waves <output-directory>\n");
        return 2;
    }
    const fs::path directory = argv[1];
    std::error_code ec;
    fs::create_directories(directory, ec);
    if (ec || !fs::is_directory(directory)) {
        std::fprintf(stderr, "make_waves: cannot use directory %s: %s\n",
                     directory.string().c_str(), ec ? ec.message().c_str() : "not a directory");
        return 1;
    }
    try {
        for (const std::string& name : waves::SoundFileNames()) {
            std::string error;
            if (!WriteAtomically(directory / name, waves::EncodeWav(waves::RenderSound(name)),
                                 error)) {
                std::fprintf(stderr, "make_waves: %s\n", error.c_str());
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_waves: %s\n", e.what());
        return 1;
    }
    return 0;
}
