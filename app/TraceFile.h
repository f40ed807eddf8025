#pragma once
// The --trace file of the window and of `download`: opened with openRegularFileForWriting, so a
// FIFO, device or folder at the path is refused at once instead of hanging the start (a FIFO
// without a reader) or writing into a device. The stream writes straight to the descriptor.
// One thread at a time (the tracing port serialises its writers).
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace hm {

class TraceFile {
  public:
    TraceFile();
    ~TraceFile();
    TraceFile(const TraceFile&) = delete;
    TraceFile& operator=(const TraceFile&) = delete;

    // Opens (creates or empties) `path`. False with `error` set to a short reason ("is a FIFO,
    // not a regular file", "cannot open: Permission denied") when it is not a regular file that
    // can be written.
    bool open(const std::string& path, std::string& error);
    bool isOpen() const;
    // The stream to trace into; writes go nowhere (and set badbit) until open succeeds.
    std::ostream& stream() { return stream_; }

  private:
    class Buffer;
    std::unique_ptr<Buffer> buffer_;
    std::ostream stream_;
};

}  // namespace hm
