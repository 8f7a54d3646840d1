#pragma once
// What the command-line modes that change the booking file share: the start-up in the
// current folder, the lock the window uses, and the exit status 2 when the start-up or a
// fatal error would end the program.
//
// Two switches exist for the tests that run the program as a process; never set them
// otherwise:
// - TIVRA_TEST_UNSAFE_WRITES=1: the change takes no lock and does not compare the file
//   before replacing it, as copies without them would, so a test can show what they
//   prevent;
// - TIVRA_TEST_PAUSE_BEFORE_SAVE=FILE: when the change is about to write the booking file
//   (after its reload and check, under the lock), it creates FILE and waits until the
//   test removes it, so a test can write the file in between at a known moment.
#include "booking/ChangeSequence.h"
#include "config/Program.h"
#include "config/Startup.h"

#include <functional>

namespace tivra {

// Runs the start-up, then `change` with questions answered `answerYes`; returns what
// `change` returns, or 2 when the program would end.
int runChangeCommand(
    bool answerYes,
    const std::function<int(Program& program, const StartupView& view, ChangeEnvironment& env)>& change);

} // namespace tivra
