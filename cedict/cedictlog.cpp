#include "cedict/cedictlog.h"

Q_LOGGING_CATEGORY(lcCedict, "ordbok.cedict")
