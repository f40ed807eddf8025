#include "app/TraceFile.h"

#include <unistd.h>

#include <array>
#include <cerrno>

#include "platform/FileAccess.h"

namespace hm {

// An output buffer over a file descriptor: collects bytes and writes them out on flush, when
// full, and when destroyed.
class TraceFile::Buffer : public std::streambuf {
  public:
    explicit Buffer(int fd) : fd_(fd) { setp(bytes_.data(), bytes_.data() + bytes_.size()); }
    ~Buffer() override {
        sync();
        ::close(fd_);
    }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;

  protected:
    int_type overflow(int_type c) override {
        if (sync() != 0) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        const char* at = pbase();
        while (at < pptr()) {
            const ssize_t n = ::write(fd_, at, static_cast<size_t>(pptr() - at));
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return -1;
            }
            at += n;
        }
        setp(bytes_.data(), bytes_.data() + bytes_.size());
        return 0;
    }

  private:
    int fd_;
    std::array<char, 4096> bytes_{};
};

TraceFile::TraceFile() : stream_(nullptr) {}

TraceFile::~TraceFile() {
    stream_.rdbuf(nullptr);
}

bool TraceFile::open(const std::string& path, std::string& error) {
    const int fd = openRegularFileForWriting(path, error);
    if (fd < 0) {
        return false;
    }
    stream_.rdbuf(nullptr);
    buffer_ = std::make_unique<Buffer>(fd);
    stream_.rdbuf(buffer_.get());  // also clears the stream's error state
    return true;
}

bool TraceFile::isOpen() const {
    return buffer_ != nullptr;
}

}  // namespace hm
