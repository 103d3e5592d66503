#include <cstdio>

int main() {
    std::fputs("usage: tavrek-layout check|deal|convert ...\n", stderr);
    return 2;
}
