#include "pinyin/syllabletables.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void load(bool traditional)
{
    traditional ? loadTraditionalTable() : loadSimplifiedTable();
}

int syllableCount()
{
    int count = 0;
    while (count + 1 < SyllableIndex.size() && !SyllableIndex.at(count + 1).syllable.isEmpty())
        ++count;
    return count;
}

const SyllableEntry *entryOf(const QString &syllable)
{
    for (const SyllableEntry &entry : std::as_const(SyllableIndex)) {
        if (entry.syllable == syllable)
            return &entry;
    }
    return nullptr;
}

} // namespace

class TestSyllableTables : public QObject
{
    Q_OBJECT
private slots:
    // Runs first, when nothing is loaded yet. Once loaded, the traditional table stays marked
    // as loaded, though the simplified one replaces it completely.
    void traditionalLoadedStaysSet()
    {
        QVERIFY(!traditionalLoaded);
        QCOMPARE(::findSyllableRange(u"a"_s).first, -1.0f);
        loadSimplifiedTable();
        QVERIFY(!traditionalLoaded);
        loadTraditionalTable();
        QVERIFY(traditionalLoaded && entryOf(u"b"_s));
        loadSimplifiedTable();
        QVERIFY(traditionalLoaded && !entryOf(u"b"_s) && !CandidateList.contains(u"\u3105"_s));
    }

    void invariants_data()
    {
        QTest::addColumn<bool>("traditional");
        QTest::addColumn<int>("indexBound");
        QTest::addColumn<int>("usualCandidateBound");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("extraCharacters"); // besides U+4E00..U+9FA5
        QString zhuyin;
        for (char16_t letter = 0x3105; letter <= 0x3129; ++letter)
            zhuyin += QChar(letter);
        QTest::newRow("simplified") << false << 411 << 7335 << 7334 << QString();
        QTest::newRow("traditional") << true << 440 << 14300 << 13701 << zhuyin + QChar(0x2610);
    }

    void invariants()
    {
        QFETCH(bool, traditional);
        QFETCH(QString, extraCharacters);
        load(traditional);
        const int count = syllableCount();
        QVERIFY(count > 400);
        QTEST(int(SyllableIndex.size()) - 1, "indexBound");
        // Entry 0 and those after the last syllable empty; the others ascending, none without
        // candidates.
        for (int i = 0; i < SyllableIndex.size(); ++i) {
            const SyllableEntry &entry = SyllableIndex.at(i);
            if (i == 0 || i > count) {
                QVERIFY(entry.syllable.isEmpty() && entry.first == 0 && entry.last == 0);
                continue;
            }
            const bool ascending = i == 1 || SyllableIndex.at(i - 1).syllable < entry.syllable;
            QVERIFY2(entry.first <= entry.last && ascending, qPrintable(entry.syllable));
        }
        // The candidates, then empty slots up to the array's stated bound.
        const int used = int(SyllableIndex.at(count).last) + 1;
        QTEST(int(CandidateList.size()) - 1, "usualCandidateBound");
        QTEST(used, "entries");
        // One character per slot up to there, then empty slots.
        for (int i = 0; i < CandidateList.size(); ++i) {
            const QString &candidate = CandidateList.at(i);
            QVERIFY2(i < used ? candidate.size() == 1 : candidate.isEmpty(), qPrintable(candidate));
            const QChar c = candidate.isEmpty() ? QChar(0x4E00) : candidate.at(0);
            QVERIFY2((c >= QChar(0x4E00) && c <= QChar(0x9FA5)) || extraCharacters.contains(c),
                     qPrintable(QString::number(c.unicode(), 16)));
        }
    }

    void tellingRows()
    {
        struct Row
        {
            bool traditional;
            QString syllable;
            int first; // -1: wherever the rows before put it
            int size;
            QString leading;
        };
        for (const Row &row :
             std::initializer_list<Row>{{false, u"a"_s, 0, 7, u"阿啊呵腌嗄锕吖"_s},
                                        {false, u"zuo"_s, 7315, 19, u"作做坐座"_s},
                                        {true, u"a"_s, 0, 3, u"啊阿ㄚ"_s},
                                        {true, u"b"_s, 133, 1, u"ㄅ"_s},  // a bare initial
                                        {true, u"u:"_s, -1, 1, u"ㄩ"_s},  // a medial
                                        {true, u"fong"_s, -1, 1, u"☐"_s}, // no character reads it
                                        {true, u"zuo"_s, 13679, 22, {}}}) {
            load(row.traditional);
            const SyllableEntry *entry = entryOf(row.syllable);
            QVERIFY2(entry, qPrintable(row.syllable));
            const int first = int(entry->first);
            const QString candidates =
                CandidateList.mid(first, int(entry->last) - first + 1).join(QString());
            QVERIFY2((row.first < 0 || entry->first == row.first) &&
                         candidates.size() == row.size && candidates.startsWith(row.leading),
                     qPrintable(row.syllable + u": "_s + candidates));
        }
    }

    // Every prefix of every syllable, and texts that are none, against a plain search over all
    // entries: "lu" runs through "lu:" to "luo", "zh" starts at the bare initial in the
    // traditional table.
    void findSyllableRangeAgainstAScan_data() { invariants_data(); }
    void findSyllableRangeAgainstAScan()
    {
        QFETCH(bool, traditional);
        load(traditional);
        QCOMPARE(::findSyllableRange(QString()).first, -1.0f);
        QStringList inputs{u"v"_s, u"zuoo"_s, u"Zuo"_s, u"zu*"_s, u":"_s};
        for (int i = 1; i <= syllableCount(); ++i) {
            for (qsizetype length = 1; length <= SyllableIndex.at(i).syllable.size(); ++length)
                inputs << SyllableIndex.at(i).syllable.first(length);
        }
        for (const QString &prefix : std::as_const(inputs)) {
            float first = -1;
            float last = 0;
            for (int j = 1; j <= syllableCount(); ++j) {
                const SyllableEntry &entry = SyllableIndex.at(j);
                if (entry.syllable.startsWith(prefix)) {
                    first = first < 0 ? entry.first : std::min(first, entry.first);
                    last = std::max(last, entry.last);
                }
            }
            const SyllableEntry range = ::findSyllableRange(prefix);
            QVERIFY2(range.first == first && range.last == last, qPrintable(prefix));
        }
    }
};

QTEST_GUILESS_MAIN(TestSyllableTables)
#include "tst_syllabletables.moc"
