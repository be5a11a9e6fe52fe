#pragma once
// Helps the kernel with buffers of hundreds of megabytes: a map of 32627 x
// 32627 is a 3 GiB file, and faulting its pages in one by one costs seconds.
#include <cstddef>

namespace qv {

// Asks for huge pages over the buffer and faults it in at once. Only a hint:
// on kernels without these advices, and for small buffers, nothing happens.
void prepareLargeBuffer(void* data, std::size_t size);

}  // namespace qv
