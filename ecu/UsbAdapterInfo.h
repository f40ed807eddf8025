#pragma once
// What the system knows of the USB adapter behind a serial device: vendor and product id,
// manufacturer, product and serial number, read from sysfs. The tty's `device` link leads to
// the USB interface (or, for usb-serial drivers, to the port below it); the USB device is the
// first folder above it that has an idVendor file. Fields sysfs does not have stay empty; a
// device that is no USB adapter (an on-board UART, a pseudo-terminal) has none.
#include <string>

namespace hm::ecu {

struct UsbAdapterInfo {
    std::string vendorId;   // "0403"
    std::string productId;  // "6001"
    std::string manufacturer;
    std::string product;
    std::string serial;

    bool known() const { return !vendorId.empty(); }
};

// `portPath` is a device path as the port table has it (/dev/ttyUSB0, a by-id link, a --port
// path); `sysClassTtyDir` is /sys/class/tty or a test's stand-in. Never opens the device.
UsbAdapterInfo usbAdapterInfo(const std::string& portPath,
                              const std::string& sysClassTtyDir = "/sys/class/tty");

// One line for a tooltip: "USB 0403:6001 FTDI FT232R USB UART, serial A50285BI"; the parts
// sysfs lacks are left out; empty when the adapter is not known.
std::string describeUsbAdapter(const UsbAdapterInfo& info);

}  // namespace hm::ecu
