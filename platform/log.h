// The program's logging category: failures that the person is not told about
// (a refused hot key, a socket that cannot listen, a profile that cannot be
// written) are still reported to a developer on standard error.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSorvanta)
