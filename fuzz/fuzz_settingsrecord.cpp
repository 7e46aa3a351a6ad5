// inst.ini's record, any bytes: the fields read and written back give the same bytes, and a
// field's text stored again reads the same.

#include "fuzzcheck.h"
#include "settings/settingsrecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    bytes = bytes.leftJustified(SettingsRecord::fieldsLength, ' ', true);

    SettingsRecord record;
    record.fromBytes(bytes);
    FUZZ_CHECK(record.toBytes() == bytes, bytes);

    for (int i = 0; i < SettingsRecord::FieldCount; ++i) {
        const auto field = SettingsRecord::Field(i);
        const QString text = record.value(field);
        SettingsRecord copy = record;
        // Text read from a file in a Western code page may not fit again as UTF-8; then the
        // field keeps its bytes.
        if (!copy.setValue(field, text)) {
            FUZZ_CHECK(copy.toBytes() == bytes, i << bytes);
            continue;
        }
        FUZZ_CHECK(copy.value(field) == text, i << text << copy.value(field));
        FUZZ_CHECK(copy.toBytes().size() == SettingsRecord::fieldsLength, i);
        // The other fields stay as they were.
        const SettingsRecord::Layout layout = SettingsRecord::layout(field);
        FUZZ_CHECK(copy.toBytes().first(layout.offset) == bytes.first(layout.offset), i);
        FUZZ_CHECK(copy.toBytes().sliced(layout.offset + layout.width) ==
                       bytes.sliced(layout.offset + layout.width),
                   i);
    }
    return 0;
}
