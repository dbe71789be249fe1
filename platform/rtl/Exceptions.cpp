#include "rtl/Exceptions.h"

namespace rtl {

EListError::EListError(long index)
    : Exception("List index out of bounds (" + std::to_string(index) + ")") {}

}  // namespace rtl
