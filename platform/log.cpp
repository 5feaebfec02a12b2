#include "platform/log.h"

// Debug messages (hot keys as they come) only when asked for:
// QT_LOGGING_RULES=sorvanta.debug=true.
Q_LOGGING_CATEGORY(lcSorvanta, "sorvanta", QtInfoMsg)
