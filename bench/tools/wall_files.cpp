// Writes design-conditions files for batch timings: each line of standard input is one
// wall, given as the controls to change from the window's defaults ("Name=value" words
// separated by spaces); the wall is saved as OUTDIR/wNNNNN.dat through the program's own
// file writer.
//
//     stelvar_wall_files OUTDIR < walls.txt

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "documents/design_file.h"
#include "forms/design_conditions.h"

using namespace stelvar;
namespace fs = std::filesystem;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: stelvar_wall_files OUTDIR < walls.txt\n";
        return 2;
    }
    const fs::path out(argv[1]);
    fs::create_directories(out);
    std::string line;
    int index = 0;
    int written = 0;
    while (std::getline(std::cin, line)) {
        char name[32];
        std::snprintf(name, sizeof name, "w%05d.dat", index++);
        const fs::path file = out / name;
        try {
            DesignConditionsForm form;
            std::istringstream words(line);
            std::string word;
            while (words >> word) {
                const auto eq = word.find('=');
                if (eq == std::string::npos) throw std::runtime_error("not Name=value: " + word);
                form.SetValue(word.substr(0, eq), word.substr(eq + 1));
            }
            SaveDesignConditionsFile(file, form.Controls());
            ++written;
        } catch (const std::exception& e) {
            std::cerr << "stelvar_wall_files: line " << index << ": " << e.what() << '\n';
        }
    }
    std::cerr << written << " files written to " << out.string() << '\n';
    return 0;
}
