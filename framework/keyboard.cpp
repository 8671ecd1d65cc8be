#include "framework/internal.h"

namespace fw::internal {
void InstallKeyTracker() {}
void RemoveKeyTracker() {}
}  // namespace fw::internal
