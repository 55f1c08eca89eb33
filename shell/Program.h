// The program's start-up: prepares the files, the settings and the main
// window, and shows it.
#pragma once

#include <cstdint>
#include <memory>

namespace zarvel {

class frmMain;

// Runs the start-up steps and returns the shown main window; nullptr when
// start-up could not finish (the reason has been shown to the user).
std::unique_ptr<frmMain> Main();

// Seconds since midnight, with their fraction, as the random seed.
std::uint64_t TimeOfDaySeed();

}  // namespace zarvel
