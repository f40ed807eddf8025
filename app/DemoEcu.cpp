#include "app/DemoEcu.h"

#include "ecusim/VirtualEcu.h"

namespace hm {

struct DemoEcu::Impl {
    std::unique_ptr<ecusim::VirtualEcu> ecu;
    std::string error;
};

DemoEcu::DemoEcu() : impl_(std::make_unique<Impl>()) {}

DemoEcu::~DemoEcu() {
    stop();
}

bool DemoEcu::start(const ecu::KeyConstants& keys) {
    ecusim::EcuOptions options;
    options.identity.key = keys;
    impl_->ecu = std::make_unique<ecusim::VirtualEcu>(options);
    if (!impl_->ecu->start()) {
        impl_->error = impl_->ecu->error();
        impl_->ecu.reset();
        return false;
    }
    return true;
}

void DemoEcu::stop() {
    if (impl_->ecu) {
        impl_->ecu->stop();
        impl_->ecu.reset();
    }
}

std::string DemoEcu::devicePath() const {
    return impl_->ecu ? impl_->ecu->devicePath() : std::string();
}

std::string DemoEcu::error() const {
    return impl_->error;
}

}  // namespace hm
