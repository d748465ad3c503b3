#include "tests/support/toolkit_warnings.h"

// Windows' controls log no warnings of their own: there is nothing to record.
ToolkitWarnings::ToolkitWarnings() = default;
ToolkitWarnings::~ToolkitWarnings() = default;
