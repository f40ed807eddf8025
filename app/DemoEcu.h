#pragma once
// Demo mode's in-process virtual ECU on a pseudo-terminal, behind a small interface without Qt
// (the simulator's headers use names that Qt's keywords would clash with). Controlling thread.
#include <memory>
#include <string>

#include "ecu/SecurityKey.h"

namespace hm {

class DemoEcu {
  public:
    DemoEcu();
    ~DemoEcu();
    DemoEcu(const DemoEcu&) = delete;
    DemoEcu& operator=(const DemoEcu&) = delete;

    // Starts the ECU with the built-in demo vehicle and key constants `keys`. False with
    // error() set on failure.
    bool start(const ecu::KeyConstants& keys);
    void stop();
    std::string devicePath() const;
    std::string error() const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace hm
