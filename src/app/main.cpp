#include "app/CommandLine.h"

int main(int argc, char** argv) {
    return tivra::runCommandLine(argc, argv);
}
