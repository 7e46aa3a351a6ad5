#include "settings/settingsrecord.h"
#include "tests/common/files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

using F = SettingsRecord::Field;

class TestSettingsRecord : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString file() const { return m_dir.filePath(SettingsRecord::fileName); }

private slots:
    // Each value lands at its field's offset, padded with blanks to the field's width.
    void writtenBytesAreTheLayout()
    {
        SettingsRecord record;
        QByteArray expected(SettingsRecord::recordLength, ' ');
        for (const auto &[field, value, offset, bytes] :
             {std::tuple{F::simplifiedOn, u"1"_s, 0, "1    "_ba},
              {F::radicalMode, u"0"_s, 5, "0 "_ba},
              {F::mainFontName, u"MS Song"_s, 7, "MS Song   "_ba},
              {F::mainFontSize, u"36"_s, 17, "36        "_ba},
              {F::alwaysOnTop, u"True"_s, 164, "True "_ba},
              {F::autoLookupOn, u"False"_s, 169, "False"_ba},
              {F::backgroundPath, u"/home/åsa/2.gif"_s, 174, "/home/\xC3\xA5sa/2.gif"_ba},
              {F::autoStartEnglish, u"1"_s, 364, "1         "_ba},
              {F::codeFontName, u"MS Song"_s, 403, "MS Song        "_ba}}) {
            QVERIFY(record.setValue(field, value));
            expected.replace(offset, bytes.size(), bytes);
        }
        QVERIFY(record.write(m_dir.path()));
        QCOMPARE(TestFiles::read(file()), expected);
    }

    void roundTrip()
    {
        SettingsRecord written;
        for (int i = 0; i < F::FieldCount; ++i)
            QVERIFY(written.setValue(F(i), QString::number(i)));
        QVERIFY(written.setValue(F::backgroundPath, u"/home/åsa/bilder/bakgrund.gif"_s));
        QVERIFY(written.setValue(F::pageFontName, u"宋体"_s));
        QVERIFY(written.write(m_dir.path()));
        QCOMPARE(TestFiles::read(file()).size(), SettingsRecord::recordLength);
        SettingsRecord read;
        QVERIFY(read.read(m_dir.path()));
        for (int i = 0; i < F::FieldCount; ++i)
            QCOMPARE(read.value(F(i)), written.value(F(i)));
    }

    void setValueRefusesWhatDoesNotFit_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("fits");
        QTest::newRow("fits exactly") << int(F::mainFontName) << u"0123456789"_s << true;
        QTest::newRow("one too many") << int(F::mainFontName) << u"Arial Unic."_s << false;
        // Widths count bytes (å, ä, ö take two), and no character is cut.
        QTest::newRow("åäöåä in ten bytes") << int(F::mainFontName) << u"åäöåä"_s << true;
        QTest::newRow("ö over the edge") << int(F::mainFontName) << u"abcdefghiö"_s << false;
        QTest::newRow("trailing blanks dropped") << int(F::mainFontSize) << u"12  "_s << true;
    }

    void setValueRefusesWhatDoesNotFit()
    {
        QFETCH(int, field);
        QFETCH(QString, value);
        QFETCH(bool, fits);
        SettingsRecord record;
        QVERIFY(record.setValue(F(field), u"a"_s));
        QCOMPARE(record.setValue(F(field), value), fits);
        QCOMPARE(record.value(F(field)), fits ? value.trimmed() : u"a"_s);
        QCOMPARE(record.toBytes().size(), SettingsRecord::fieldsLength);
    }

    void numbersAndBooleans()
    {
        using namespace SettingsText;
        QCOMPARE(leadingNumber(u"   2   "_s), 2.0);
        QCOMPARE(leadingNumber(u"1 2.5x"_s), 12.5);
        QCOMPARE(leadingNumber(u"-1"_s), -1.0);
        QCOMPARE(leadingNumber(u"abc"_s), 0.0);
        QCOMPARE(strictNumber(u"  10.5  "_s), std::optional<double>(10.5));
        for (const QString &text : {QString(), u"   "_s, u"12pt"_s, u"True"_s})
            QCOMPARE(strictNumber(text), std::nullopt);
        QCOMPARE(boolean(u"true "_s), std::optional<bool>(true));
        QCOMPARE(boolean(u"FALSE"_s), std::optional<bool>(false));
        QCOMPARE(boolean(u"0"_s), std::optional<bool>(false));
        QCOMPARE(boolean(u"-1"_s), std::optional<bool>(true));
        for (const QString &text : {QString(), u"Ja"_s, u"Tru"_s})
            QCOMPARE(boolean(text), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(TestSettingsRecord)
#include "tst_settingsrecord.moc"
