#include "app/WindowMode.h"

int main(int argc, char** argv) {
    return tivra::runCommandLine(argc, argv, tivra::widgetParts());
}
