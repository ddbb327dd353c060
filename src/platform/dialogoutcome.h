#pragma once

#include <cstdint>

#include "commondialog/dialogconstants.h"

namespace platform {

// What one dialog call ends with: its result code and, for a failure, the extended error code that
// the platform's next CommDlgExtendedError() reports.
struct DialogOutcome {
    std::int32_t result = commondialog::kDialogCancelled;
    std::int32_t extendedError = 0;
};

inline DialogOutcome dialogAccepted() {
    return {commondialog::kDialogAccepted, 0};
}
inline DialogOutcome dialogCancelled() {
    return {commondialog::kDialogCancelled, 0};
}
inline DialogOutcome dialogFailed(std::int32_t extendedError) {
    return {commondialog::kDialogFailed, extendedError};
}

}  // namespace platform
