#include "support/PtyEcu.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace hmtest {

PtyEcu::PtyEcu(Responder respond) : respond_(std::move(respond)) {
    thread_ = std::thread([this] { run(); });
}

PtyEcu::~PtyEcu() {
    stop_ = true;
    thread_.join();
}

std::vector<Bytes> PtyEcu::requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void PtyEcu::run() {
    Bytes pending;
    while (!stop_) {
        pollfd p{pty_.master(), POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0 || !(p.revents & POLLIN)) {
            continue;
        }
        uint8_t buf[256];
        const ssize_t n = ::read(pty_.master(), buf, sizeof buf);
        if (n <= 0) {
            continue;
        }
        pending.insert(pending.end(), buf, buf + n);
        // A frame is its length byte L, L - 1 more bytes and the checksum.
        while (!pending.empty() && pending.size() >= size_t{pending[0]} + 1) {
            if (pending[0] < 2) {
                pending.erase(pending.begin());
                continue;
            }
            const Bytes frame(pending.begin(), pending.begin() + pending[0] + 1);
            pending.erase(pending.begin(), pending.begin() + pending[0] + 1);
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(frame);
            }
            for (const Bytes& answer : respond_(frame)) {
                if (answer.empty()) {
                    ::poll(nullptr, 0, 100);
                }
                pty_.send(answer.data(), answer.size());
            }
        }
    }
}

Bytes bytesOf(const std::string& hexText) {
    Bytes out;
    for (size_t i = 0; i < hexText.size();) {
        if (hexText[i] == ' ') {
            ++i;
            continue;
        }
        out.push_back(
            static_cast<uint8_t>(std::strtoul(hexText.substr(i, 2).c_str(), nullptr, 16)));
        i += 2;
    }
    return out;
}

}  // namespace hmtest
