#include "shell/Shell.h"

#include <memory>

namespace {

std::unique_ptr<Shell> theShell;

}  // namespace

Shell& shell() { return *theShell; }

void makeShell() { theShell = std::make_unique<Shell>(); }
