#include "app/CommandLine.h"
#include "app/WindowMode.h"

int main(int argc, char** argv) {
    if (tivra::isCommandLineMode(argc, argv)) {
        return tivra::runCommandLine(argc, argv);
    }
    return tivra::runWindowMode(argc, argv, {});
}
