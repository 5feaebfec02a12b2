#include "platform/log.h"

Q_LOGGING_CATEGORY(lcSorvanta, "sorvanta")
