#include "picture/LargeBuffer.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace qv {
namespace {

constexpr std::size_t kLargeBuffer = std::size_t{8} << 20;

}  // namespace

void prepareLargeBuffer(void* data, std::size_t size) {
    if (data == nullptr || size < kLargeBuffer) return;
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto begin = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
    const auto end = (reinterpret_cast<std::uintptr_t>(data) + size) & ~(page - 1);
    if (end <= begin) return;
    void* const first = reinterpret_cast<void*>(begin);
    const std::size_t length = end - begin;
    ::madvise(first, length, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
    ::madvise(first, length, MADV_POPULATE_WRITE);
#endif
}

}  // namespace qv
