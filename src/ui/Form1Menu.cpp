#include "ui/Form1.h"

#include "core/BookingFileCommands.h"

#include <QCloseEvent>
#include <QCoreApplication>

namespace tivra {

// The week view redraws from the table; until it exists there is nothing more to show.
void Form1::arkiv_open() {
    tivra::arkiv_open(program_.bokningar, program_.fil, program_.settings.backupmapp, platform_);
}

void Form1::arkiv_saveas() {
    tivra::arkiv_saveas(program_.bokningar, program_.fil, platform_);
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
