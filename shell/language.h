#pragma once

// The two editions of the twin windows. The numbers are uiLanguage's, as inst.ini and the
// start window know them.
enum class Language { English = 1, Swedish = 2 };
