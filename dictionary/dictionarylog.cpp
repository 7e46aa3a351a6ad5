#include "dictionary/dictionarylog.h"

Q_LOGGING_CATEGORY(lcDictionary, "ordbok.dictionary")
