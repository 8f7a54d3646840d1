#include "ui/Form1.h"

#include "booking/ArkivCommands.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace tivra {

void Form1::arkiv_open() {
    // A cancelled dialog leaves the file open and watched; after a load, even a failed one,
    // the grid shows what the table now holds.
    if (tivra::arkiv_open(program_.bokningar, program_.bookingFile, program_.settings.backupmapp,
                          platform_) != LoadResult::NoFile) {
        showOpenFile();
        visasalsschema();
    }
}

void Form1::arkiv_saveas() {
    tivra::arkiv_saveas(program_.bokningar, program_.bookingFile, program_.settings.backupmapp, platform_);
    showOpenFile();
}

// The booking file is complete after every change, so ending saves nothing and asks
// nothing.
void Form1::Arkiv_avsluta() {
    endProgram();
}

void Form1::Command5_Click() {
    endProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    // Other windows of the program may still be open; the program ends all the same.
    QCoreApplication::quit();
}

void Form1::endProgram() {
    close();
}

} // namespace tivra
