#include "shell/printpreview.h"

#include "print/pageframe.h"
#include "print/practicesheet.h"
#include "print/readingtable.h"
#include "print/rubysegmenter.h"
#include "print/textpages.h"
#include "shell/printpreviewtexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProgressDialog>
#include <QSpinBox>
#include <QVBoxLayout>

#include <memory>

using namespace Qt::StringLiterals;

const ReadingTable &sharedReadingTable(const QString &programFolder)
{
    static QHash<QString, std::shared_ptr<ReadingTable>> tables;
    std::shared_ptr<ReadingTable> &table = tables[programFolder];
    if (!table) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        table = std::make_shared<ReadingTable>(ReadingTable::load(programFolder));
        QApplication::restoreOverrideCursor();
    }
    return *table;
}

namespace {

// A row for our options under the preview's own tool bar, which has no room left on a
// narrow screen.
QHBoxLayout *optionRow(QPrintPreviewDialog &dialog)
{
    auto *row = new QHBoxLayout;
    row->setContentsMargins(8, 2, 8, 2);
    if (auto *layout = qobject_cast<QVBoxLayout *>(dialog.layout()))
        layout->insertLayout(1, row);
    return row;
}

void redrawOn(QPrintPreviewDialog &dialog)
{
    if (auto *preview = dialog.findChild<QPrintPreviewWidget *>())
        preview->updatePreview();
}

} // namespace

void previewDocument(QWidget *parent, Language language, const QString &programFolder,
                     const QString &text, const QFont &font, bool offerPinyin)
{
    const PrintPreviewTexts texts = PrintPreviewTexts::forLanguage(language);
    QPrinter printer(QPrinter::HighResolution);
    PageFrame::applyMargins(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(u"printPreview"_s);
    dialog.setWindowTitle(texts.documentTitle);
    QCheckBox *pinyin = nullptr;
    if (offerPinyin) {
        pinyin = new QCheckBox(texts.pinyinAbove, &dialog);
        pinyin->setObjectName(u"pinyinAbove"_s);
        QHBoxLayout *row = optionRow(dialog);
        row->addWidget(pinyin);
        row->addStretch();
        QObject::connect(pinyin, &QCheckBox::toggled, &dialog, [&dialog] { redrawOn(dialog); });
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        const bool withPinyin = pinyin && pinyin->isChecked();
        const ReadingTable empty;
        const RubySegmenter segmenter(withPinyin ? sharedReadingTable(programFolder) : empty);
        const TextPages pages(text, font, *target, withPinyin ? &segmenter : nullptr);
        // Long documents show their progress and can be stopped; short ones print at once.
        QProgressDialog progress(texts.preparing, texts.cancel, 0, pages.pageCount(), &dialog);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500);
        const bool done = pages.print(*target, [&progress](int page, int) {
            progress.setValue(page);
            return !progress.wasCanceled();
        });
        if (!done && !progress.wasCanceled())
            QMessageBox::warning(&dialog, texts.documentTitle, texts.printFailed);
    });
    dialog.exec();
}

void previewPracticeSheet(QWidget *parent, Language language, const QString &programFolder,
                          const QString &word, const QFont &chineseFont, const QString &wordPinyin)
{
    const PrintPreviewTexts texts = PrintPreviewTexts::forLanguage(language);
    // Checked before the stores are read: a menu item that seems to do nothing looks broken.
    if (practiceRows(word, ReadingTable()).isEmpty()) {
        QMessageBox::information(parent, texts.practiceTitle, texts.nothingToPractise);
        return;
    }
    const QList<PracticeRow> rows =
        practiceRows(word, sharedReadingTable(programFolder), wordPinyin);
    QPrinter printer(QPrinter::HighResolution);
    PageFrame::applyMargins(printer);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(u"practicePreview"_s);
    dialog.setWindowTitle(texts.practiceTitle);
    const PracticeOptions defaults;
    auto *perRow = new QSpinBox(&dialog);
    perRow->setObjectName(u"perRow"_s);
    perRow->setRange(1, PracticeGrid::mostPerRow);
    perRow->setValue(defaults.perRow);
    auto *size = new QSpinBox(&dialog);
    size->setObjectName(u"squareSize"_s);
    size->setRange(8, 40);
    size->setSuffix(u" mm"_s);
    size->setValue(int(defaults.squareMillimetres));
    QHBoxLayout *row = optionRow(dialog);
    row->addWidget(new QLabel(texts.perRow, &dialog));
    row->addWidget(perRow);
    row->addSpacing(16);
    row->addWidget(new QLabel(texts.squareSize, &dialog));
    row->addWidget(size);
    row->addStretch();
    for (QSpinBox *box : {perRow, size})
        QObject::connect(box, &QSpinBox::valueChanged, &dialog, [&dialog] { redrawOn(dialog); });
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        const PracticeOptions options{perRow->value(), double(size->value())};
        if (!printPracticeSheet(*target, rows, options, chineseFont))
            QMessageBox::warning(&dialog, texts.practiceTitle, texts.printFailed);
    });
    dialog.exec();
}
