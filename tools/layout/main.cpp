// tavrek-layout: checks, deals and converts layout files with the game's own
// engine, so what it reports is what the game will do with the file.
#include <cstdio>
#include <string>

#include "Commands.h"
#include "files/Utf8Path.h"

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

int run(const CommandWords& words) {
    if (words.empty()) return usage();
    for (const Command& command : commands)
        if (words[0] == command.name) return command.run(CommandWords(words.begin() + 1, words.end()));
    return usage();
}

}  // namespace

#ifdef _WIN32
// The narrow command line holds file names in the ANSI code page, which
// cannot name every file: the wide one can, and the words go on as UTF-8.
int wmain(int argc, wchar_t** argv) {
    CommandWords words;
    for (int k = 1; k < argc; ++k)
        words.push_back(utf8FromUtf16(std::u16string(reinterpret_cast<const char16_t*>(argv[k]))));
    return run(words);
}
#else
int main(int argc, char** argv) { return run(CommandWords(argv + 1, argv + argc)); }
#endif
