// tavrek-layout: checks, deals and converts layout files with the game's own
// engine, so what it reports is what the game will do with the file.
#include <cstdio>
#include <cstring>

#include "Commands.h"

namespace {

struct Command {
    const char* name;
    int (*run)(const CommandWords& words);
};

const Command commands[] = {
    {"check", checkCommand},
    {"deal", dealCommand},
    {"convert", convertCommand},
    {"preview", previewCommand},
};

int usage() {
    std::fputs("usage: tavrek-layout check [--grid] FILE\n"
                "       tavrek-layout deal [--grid] [--games N] FILE\n"
                "       tavrek-layout convert [--grid] FILE --to line|binary|grid OUT\n"
                "       tavrek-layout preview [--grid] FILE OUT.bmp [--tileset FILE] [--background FILE]\n"
                "                             [--size WxH] [--shadows]\n",
                stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    for (const Command& command : commands)
        if (std::strcmp(argv[1], command.name) == 0)
            return command.run(CommandWords(argv + 2, argv + argc));
    return usage();
}
