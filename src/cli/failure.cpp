#include "cli/failure.h"

#include "cli/presentation.h"
#include "runtime/runtimeerror.h"

namespace cli {

int runReporting(const CommandAction& action) {
    try {
        return action();
    } catch (const Failure& failure) {
        reportError(failure.what());
        return failure.status();
    } catch (const runtime::RuntimeError& error) {
        // The format library's errors (bootfont::BootFontError) carry their reason, with the
        // file it concerns where there is one, as the detail.
        reportError(error.detail().empty() ? std::string(error.description()) : error.detail());
    } catch (const std::exception& error) {
        // fontio::FontIoError and the rest name their file or cause in what().
        reportError(error.what());
    }
    return kUsageOrUnreadable;
}

}  // namespace cli
