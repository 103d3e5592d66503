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
#if TAVREK_OFFSCREEN3D
    {"render3d", render3DCommand},
    {"pick3d", pick3DCommand},
#endif
};

int usage() {
    std::fputs("usage: tavrek-layout check [--grid] FILE\n"
                "       tavrek-layout deal [--grid] [--games N] FILE\n"
                "       tavrek-layout convert [--grid] FILE --to line|binary|grid OUT\n"
                "       tavrek-layout preview [--grid] FILE OUT.bmp [--tileset FILE] [--background FILE]\n"
                "                             [--size WxH] [--shadows]\n"
#if TAVREK_OFFSCREEN3D
                "       tavrek-layout render3d [--grid] FILE OUT.bmp [--size WxH] [--tileset FILE]\n"
                "                              [--rotate X,Y,Z] [--inclination N] [--zoom Z]\n"
                "                              [--textures on|off] [--shadows on|off]\n"
                "       tavrek-layout pick3d [--grid] FILE X Y [--size WxH] [--rotate X,Y,Z]\n"
                "                            [--inclination N] [--zoom Z]\n"
#endif
                ,
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
