#pragma once
// Helps the kernel with buffers of hundreds of megabytes: a map of 32627 x
// 32627 is a 3 GiB file, and faulting its pages in one by one costs seconds.
#include <cstddef>
#include <vector>

namespace qv {

// Asks for huge pages over the buffer and faults it in at once. Only a hint:
// on kernels without these advices, and for small buffers, nothing happens.
void prepareLargeBuffer(void* data, std::size_t size);

// v becomes count copies of fill, in memory prepared as above.
template <class T>
void assignLarge(std::vector<T>& v, std::size_t count, T fill) {
    std::vector<T>().swap(v);
    v.reserve(count);
    prepareLargeBuffer(v.data(), count * sizeof(T));
    v.assign(count, fill);
}

}  // namespace qv
