#include "settings/cedictpagesettings.h"

#include <QTest>

using namespace Qt::StringLiterals;
using F = SettingsRecord::Field;

class TestCedictPageSettings : public QObject
{
    Q_OBJECT
private slots:
    void fieldsThatDoNotReadKeepDefaults_data();
    void fieldsThatDoNotReadKeepDefaults();
    void writtenSettingsReadBack();
};

void TestCedictPageSettings::fieldsThatDoNotReadKeepDefaults_data()
{
    QTest::addColumn<QString>("text"); // in every field
    QTest::addColumn<bool>("read");    // colours and place read, and bold is on

    QTest::newRow("numbers") << u"15"_s << true;
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("negative: a system colour, no width") << u"-1"_s << false;
    QTest::newRow("text") << u"x"_s << false;
}

void TestCedictPageSettings::fieldsThatDoNotReadKeepDefaults()
{
    QFETCH(QString, text);
    QFETCH(bool, read);
    SettingsRecord record;
    for (F field : {F::pageBackColor, F::pageTextColor, F::pageBold, F::pageLeft, F::pageTop,
                    F::pageWidth, F::pageHeight})
        record.setValue(field, text);
    const CedictPageSettings settings = CedictPageSettings::read(record);
    QCOMPARE(settings.backColor.has_value(), read);
    QCOMPARE(settings.textColor.has_value(), read);
    QCOMPARE(settings.bold, read || text == u"-1"_s); // any number but 0 is bold
    QCOMPARE(settings.geometry.has_value(), read);
}

void TestCedictPageSettings::writtenSettingsReadBack()
{
    CedictPageSettings settings;
    settings.backColor = 0x00FFEEDD;
    settings.fontName = u"MS Song"_s;
    settings.fontSize = 13.5;
    settings.italic = true;
    settings.geometry = QRect(-10, 20, 640, 480); // left of the first screen
    SettingsRecord record;
    settings.write(record);
    QCOMPARE(record.value(F::pageWidth), u"9600"_s); // twips
    const CedictPageSettings back = CedictPageSettings::read(record);
    QCOMPARE(back.backColor, settings.backColor);
    QCOMPARE(back.textColor, std::nullopt);
    QCOMPARE(back.fontName, settings.fontName);
    QCOMPARE(back.fontSize, settings.fontSize);
    QCOMPARE(back.bold, false);
    QCOMPARE(back.italic, true);
    QCOMPARE(back.geometry, settings.geometry);
}

QTEST_GUILESS_MAIN(TestCedictPageSettings)
#include "tst_cedictpagesettings.moc"
