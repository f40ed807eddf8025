#pragma once
// Helpers for tests that put things other than plain files where a file is expected.
#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace hmtest {

// Creates a FIFO at `path` (throws on failure).
void makeFifo(const std::filesystem::path& path);

// Runs `work`, which may read the FIFO `fifo`. Returns true when it returned on its own. When it
// is still blocked after a generous grace period (a reader stuck in open() or read() of the
// FIFO), the FIFO is opened and closed for writing until `work` gets end-of-file and returns;
// the result is then false: the code under test blocked on the FIFO.
bool returnsWithoutBlocking(const std::filesystem::path& fifo, const std::function<void()>& work);

// The names in `folder` (no recursion).
std::set<std::string> namesIn(const std::filesystem::path& folder);

}  // namespace hmtest
