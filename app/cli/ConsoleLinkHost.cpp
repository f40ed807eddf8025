#include "app/cli/ConsoleLinkHost.h"

#include <unistd.h>

#include "ecu/EcuProtocol.h"
#include "ecu/SerialPort.h"
#include "ecu/WireText.h"

namespace hm::cli {

ConsoleLinkHost::ConsoleLinkHost(const ecu::ILinkPort& port, const FleetDataImage& image,
                                 int passes, std::FILE* out)
    : port_(port), image_(image), passes_(passes), out_(out) {
    terminal_ = ::isatty(::fileno(out_)) == 1;
}

std::string ConsoleLinkHost::portLabel(int index) const {
    return "COM " + std::to_string(port_.portNumber(index)) + " " +
           ecu::PrintableText(port_.portPath(index));
}

std::string ConsoleLinkHost::noAnswerLine(int index) const {
    if (link_ != nullptr && link_->badFramesSinceOpen() > 0 &&
        link_->badFramesSinceOpen() == link_->framesSinceOpen()) {
        return portLabel(index) +
               " answered only with frames whose checksum or length was wrong (" +
               std::to_string(link_->badFramesSinceOpen()) + " frames)";
    }
    return "no answer on " + portLabel(index);
}

void ConsoleLinkHost::note(const std::string& line) {
    if (barOnLine_) {
        std::fputc('\n', out_);
        barOnLine_ = false;
    }
    std::fprintf(out_, "%s\n", line.c_str());
    std::fflush(out_);
}

void ConsoleLinkHost::setEcuTypeText(const std::string& text) {
    if (text == "---") {
        return;  // each connection attempt blanks the field
    }
    const ecu::SupportLevel level = ecu::ClassifyEcuType(text);
    const char* meaning = level == ecu::SupportLevel::FleetAndRecords
                              ? "fleet data and stability records"
                          : level == ecu::SupportLevel::RecordsOnly ? "stability records only"
                                                                    : "not supported";
    note("vehicle: " + ecu::PrintableText(image_.vehicleIdentString()));
    note("ECU type: " + ecu::PrintableText(text) + " (support level " +
         std::to_string(static_cast<int>(level)) + ": " + meaning + ")");
}

void ConsoleLinkHost::setStatusIcon(ecu::StatusIcon icon) {
    if (portIndex_ >= 0 && portIndex_ < 256) {
        triedMask_[portIndex_ / 64] |= 1ull << (portIndex_ % 64);
    }
    switch (icon) {
        case ecu::StatusIcon::Probing:
            if (lastIcon_ == ecu::StatusIcon::Probing) {
                note(noAnswerLine(lastProbed_));
            }
            lastProbed_ = portIndex_;
            note("probing " + portLabel(portIndex_));
            break;
        case ecu::StatusIcon::Connected:
            note("ECU answered on " + portLabel(portIndex_));
            break;
        case ecu::StatusIcon::Off:
            if (lastIcon_ == ecu::StatusIcon::Connected) {
                std::string line = "no answer in time: connection lost on " + portLabel(portIndex_);
                if (link_ != nullptr && !link_->lastFailedRequest().empty()) {
                    line += " (waiting for " + link_->lastFailedRequest() + ")";
                }
                note(line);
            } else if (portIndex_ < port_.portCount()) {
                note("cannot open " + portLabel(portIndex_) + ": " +
                     ecu::describeOpenFailure(port_.portPath(portIndex_), port_.lastOpenError(),
                                              port_.lastOpenErrno()));
            }
            break;
    }
    lastIcon_ = icon;
}

void ConsoleLinkHost::startProgress(int total) {
    total_ = total;
    step_ = 0;
    lastPrintedTenth_ = -1;
    drawProgress();
}

void ConsoleLinkHost::stepProgress() {
    ++step_;
    drawProgress();
}

void ConsoleLinkHost::endProgress() {
    if (barOnLine_) {
        std::fputc('\n', out_);
        barOnLine_ = false;
    }
    total_ = 0;
    step_ = 0;
}

void ConsoleLinkHost::hideProgressBar() {
    endProgress();
}

void ConsoleLinkHost::drawProgress() {
    if (total_ <= 0) {
        return;
    }
    const int shown = step_ < total_ ? step_ : total_;
    if (terminal_) {
        constexpr int kWidth = 40;
        const int filled = shown * kWidth / total_;
        std::string bar(static_cast<size_t>(filled), '#');
        bar.resize(kWidth, '.');
        std::fprintf(out_, "\r[%s] %d/%d", bar.c_str(), shown, total_);
        std::fflush(out_);
        barOnLine_ = true;
        return;
    }
    const int tenth = shown * 10 / total_;
    if (tenth != lastPrintedTenth_) {
        lastPrintedTenth_ = tenth;
        std::fprintf(out_, "progress %d/%d\n", shown, total_);
        std::fflush(out_);
    }
}

bool ConsoleLinkHost::askYesNo(const std::string&) {
    if (lastIcon_ == ecu::StatusIcon::Probing) {
        note(noAnswerLine(lastProbed_));
        lastIcon_ = ecu::StatusIcon::Off;
    }
    ++passesDone_;
    if (passesDone_ < passes_) {
        note("no ECU answered in pass " + std::to_string(passesDone_) + " of " +
             std::to_string(passes_) + "; trying again");
        return true;
    }
    gaveUp_ = true;
    return false;
}

void ConsoleLinkHost::showMessage(const std::string& text, MessageIcon) {
    lastMessage_ = ecu::PrintableText(text);
    note(lastMessage_);
}

std::string ConsoleLinkHost::portsTried() const {
    std::string list;
    for (int i = 0; i < port_.portCount() && i < 256; ++i) {
        if ((triedMask_[i / 64] >> (i % 64)) & 1ull) {
            list += (list.empty() ? "" : ", ") + portLabel(i);
        }
    }
    return list;
}

}  // namespace hm::cli
